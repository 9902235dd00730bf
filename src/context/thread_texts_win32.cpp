// Each thread's texts in a block of its own, found through a thread-local
// storage slot of the system's. The compiler's thread-local variables would
// bring its thread runtime into the library, which leaves memory behind at
// every unload; this keeps a list instead, so an unload frees every block.
#include <windows.h>

#include "context/thread_texts.h"

namespace {

// The slot, and the list of every block handed out with the lock that keeps
// it. The lock is taken by the entry point at thread end, under the loader's
// lock: nothing that holds it waits for anything else.
struct text_blocks {
    DWORD slot = TLS_OUT_OF_INDEXES;
    CRITICAL_SECTION lock;
    thread_texts* list = nullptr;
};
text_blocks blocks;

}  // namespace

void start_thread_texts()
{
    InitializeCriticalSection(&blocks.lock);
    blocks.slot = TlsAlloc();
}

thread_texts* this_thread_texts()
{
    if (blocks.slot == TLS_OUT_OF_INDEXES) return nullptr;
    if (auto* texts = static_cast<thread_texts*>(TlsGetValue(blocks.slot))) return texts;
    auto* texts = static_cast<thread_texts*>(LocalAlloc(LPTR, sizeof(thread_texts)));
    if (texts == nullptr || !TlsSetValue(blocks.slot, texts)) {
        if (texts != nullptr) LocalFree(texts);
        return nullptr;
    }
    EnterCriticalSection(&blocks.lock);
    texts->next = blocks.list;
    blocks.list = texts;
    LeaveCriticalSection(&blocks.lock);
    return texts;
}

void end_thread_texts_of_this_thread()
{
    if (blocks.slot == TLS_OUT_OF_INDEXES) return;
    auto* texts = static_cast<thread_texts*>(TlsGetValue(blocks.slot));
    if (texts == nullptr) return;
    TlsSetValue(blocks.slot, nullptr);
    EnterCriticalSection(&blocks.lock);
    for (thread_texts** link = &blocks.list; *link != nullptr; link = &(*link)->next) {
        if (*link == texts) {
            *link = texts->next;
            break;
        }
    }
    LeaveCriticalSection(&blocks.lock);
    LocalFree(texts);
}

void end_thread_texts()
{
    if (blocks.slot == TLS_OUT_OF_INDEXES) return;
    TlsFree(blocks.slot);
    blocks.slot = TLS_OUT_OF_INDEXES;
    for (thread_texts* texts = blocks.list; texts != nullptr;) {
        thread_texts* next = texts->next;
        LocalFree(texts);
        texts = next;
    }
    blocks.list = nullptr;
    DeleteCriticalSection(&blocks.lock);
}
