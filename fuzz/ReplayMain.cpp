// Feeds every file of the given folders (and any files given) once to the fuzz
// target it is linked with: the committed corpus, replayed as a plain test
// without libFuzzer or clang. An empty corpus is a failure, not a pass.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        const fs::path pathName(argv[i]);
        if (fs::is_directory(pathName)) {
            for (const fs::directory_entry& e : fs::directory_iterator(pathName))
                if (e.is_regular_file())
                    dateien.push_back(e.path());
        } else {
            dateien.push_back(pathName);
        }
    }
    std::sort(dateien.begin(), dateien.end());
    if (dateien.empty()) {
        std::fprintf(stderr, "no corpus files given\n");
        return 1;
    }
    for (const fs::path& pathName : dateien) {
        std::ifstream ein(pathName, std::ios::binary);
        if (!ein) {
            std::fprintf(stderr, "cannot read %s\n", pathName.c_str());
            return 1;
        }
        const std::vector<char> content{std::istreambuf_iterator<char>(ein),
                                        std::istreambuf_iterator<char>()};
        // A heap block of exactly the input's size, so that ASan sees any read past its end.
        const std::size_t n = content.size();
        const auto payload = std::make_unique<std::uint8_t[]>(n == 0 ? 1 : n);
        std::copy(content.begin(), content.end(), reinterpret_cast<char*>(payload.get()));
        LLVMFuzzerTestOneInput(payload.get(), n);
    }
    std::printf("%zu corpus inputs replayed\n", dateien.size());
    return 0;
}
