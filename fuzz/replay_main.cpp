// Runs a fuzz target over saved inputs without libFuzzer, so the ordinary g++ builds
// (plain and sanitized) replay every corpus and crash case as part of the test suite.
// Arguments are files or directories; a directory stands for every regular file in it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

namespace {

bool junta(const fs::path& caminho, std::vector<fs::path>& ficheiros) {
    std::error_code erro;
    if (fs::is_directory(caminho, erro)) {
        std::vector<fs::path> dentro;
        for (const fs::directory_entry& e : fs::directory_iterator(caminho, erro))
            if (e.is_regular_file()) dentro.push_back(e.path());
        if (erro) return false;
        // A fixed order, so a failure that depends on what ran before repeats.
        std::sort(dentro.begin(), dentro.end());
        ficheiros.insert(ficheiros.end(), dentro.begin(), dentro.end());
        return true;
    }
    if (fs::is_regular_file(caminho, erro)) {
        ficheiros.push_back(caminho);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s corpus-dir-or-file...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> ficheiros;
    for (int i = 1; i < argc; ++i) {
        if (!junta(argv[i], ficheiros)) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
            return 2;
        }
    }
    // An empty corpus would pass without testing anything; that is a broken checkout.
    if (ficheiros.empty()) {
        std::fprintf(stderr, "%s: no inputs found\n", argv[0]);
        return 2;
    }
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);

    std::size_t bytes = 0;
    for (const fs::path& f : ficheiros) {
        std::ifstream in(f, std::ios::binary);
        std::vector<uint8_t> dados((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        if (!in.eof() && in.fail()) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], f.c_str());
            return 2;
        }
        // Named before it runs: a sanitizer report ends the process without a word from us.
        std::fprintf(stderr, "replay %s (%zu bytes)\n", f.c_str(), dados.size());
        // A heap block of exactly the input's size (the vector may hold spare capacity),
        // so that reading one byte past the input is caught.
        std::unique_ptr<uint8_t[]> exacto(new uint8_t[dados.size()]);
        std::copy(dados.begin(), dados.end(), exacto.get());
        LLVMFuzzerTestOneInput(exacto.get(), dados.size());
        bytes += dados.size();
    }
    std::fprintf(stderr, "%zu inputs, %zu bytes, no failure\n", ficheiros.size(), bytes);
    return 0;
}
