// profilegen DIR: writes the test profile set into DIR.
#include <cstdio>
#include <string>

#include "profile_set.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: profilegen DIR\n");
        return 2;
    }
    std::vector<generated_profile> profiles;
    if (!make_profile_set(&profiles)) {
        std::fprintf(stderr, "profilegen: Little CMS could not build the profiles\n");
        return 1;
    }
    for (const generated_profile& p : profiles) {
        const std::string path = std::string(argv[1]) + "/" + p.file_name;
        FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr || std::fwrite(p.bytes.data(), 1, p.bytes.size(), f) != p.bytes.size()) {
            std::fprintf(stderr, "profilegen: cannot write %s\n", path.c_str());
            if (f) std::fclose(f);
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
