// Timed loop: the full-name look-up of an add-on colour (its tables come
// from the add-on's module, loaded once and kept) against a built-in one, in
// a fresh probe process whose folder holds the sample add-on.
#include <cstdio>
#include <string>

#include "wine_test_support.h"

int main()
{
    std::string dir = fresh_case_dir("bench_addons");
    if (!copy_into("huex_probe.exe", dir) || !copy_into("huex.dll", dir) || !copy_into("addons\\huex_pastel.dll", dir)) {
        std::printf("bench_addons: cannot lay out %s\n", dir.c_str());
        return 1;
    }
    copy_into("LgICC.dll", dir);
    std::string out;
    int rc = run_process("\"" + dir + "huex_probe.exe\" \"" + dir + "huex.dll\" time 37 0 100 200000 time 549 0 100 200000",
                         dir, &out);
    std::printf("%s", out.c_str());
    return rc;
}
