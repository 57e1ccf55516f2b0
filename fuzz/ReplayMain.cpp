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
        const fs::path pfad(argv[i]);
        if (fs::is_directory(pfad)) {
            for (const fs::directory_entry& e : fs::directory_iterator(pfad))
                if (e.is_regular_file())
                    dateien.push_back(e.path());
        } else {
            dateien.push_back(pfad);
        }
    }
    std::sort(dateien.begin(), dateien.end());
    if (dateien.empty()) {
        std::fprintf(stderr, "no corpus files given\n");
        return 1;
    }
    for (const fs::path& pfad : dateien) {
        std::ifstream ein(pfad, std::ios::binary);
        if (!ein) {
            std::fprintf(stderr, "cannot read %s\n", pfad.c_str());
            return 1;
        }
        const std::vector<char> inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
        // A heap block of exactly the input's size, so that ASan sees any read past its end.
        const std::size_t n = inhalt.size();
        const auto daten = std::make_unique<std::uint8_t[]>(n == 0 ? 1 : n);
        std::copy(inhalt.begin(), inhalt.end(), reinterpret_cast<char*>(daten.get()));
        LLVMFuzzerTestOneInput(daten.get(), n);
    }
    std::printf("%zu corpus inputs replayed\n", dateien.size());
    return 0;
}
