// url_recorder ADDRESS: the tests' stand-in for the browser and the mail program. The
// test registers it as the shell's handler of http, https and mailto addresses; it adds
// the address it was given as one line to the file that TESH_URL_LOG names.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* log = std::getenv("TESH_URL_LOG");
    if (!log || argc < 2) return 1;
    FILE* file = std::fopen(log, "ab");
    if (!file) return 1;
    std::fprintf(file, "%s\n", argv[1]);
    std::fclose(file);
    return 0;
}
