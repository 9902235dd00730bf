// The library is built without exceptions, but the standard containers'
// out-of-line parts name the runtime's allocation and error functions, which
// throw. Taken from the C++ runtime, those bring its exception machinery
// along, which sets up an emergency memory pool and a lock each time the
// library is loaded and never gives them back: a host that loads and unloads
// the library would lose them with every load. Here they are plain: memory
// comes from the C heap, and running out of it, or a container error, ends
// the process, as an exception nobody catches would. The strings (the swatch
// readers' names, the palette folders' paths) are built here for the same reason.
#include <cstdlib>
#include <new>
#include <string>

// The runtime's own copies of these were compiled with exceptions; these are
// not, and the linker takes them first.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;

void* operator new(std::size_t size)
{
    void* p = std::malloc(size != 0 ? size : 1);
    if (p == nullptr) std::abort();
    return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace std {

[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }

}  // namespace std
