#pragma once
// While it lives, the process can open no further file: every file that a
// routine tries to create fails as a full table of open files does ("Too
// many open files"), whoever runs the test, root included. The files
// already open stay usable.

#include <sys/resource.h>
#include <unistd.h>

#include <stdexcept>

namespace tavo::test {

class SenzaNuoviFile {
public:
    SenzaNuoviFile() {
        if (::getrlimit(RLIMIT_NOFILE, &salvato_) != 0) throw std::runtime_error("getrlimit");
        // The lowest free descriptor: a new file would take it.
        const int libero = ::dup(2);
        if (libero < 0) throw std::runtime_error("dup");
        ::close(libero);
        rlimit limite = salvato_;
        limite.rlim_cur = static_cast<rlim_t>(libero);
        if (::setrlimit(RLIMIT_NOFILE, &limite) != 0) throw std::runtime_error("setrlimit");
    }
    ~SenzaNuoviFile() { ::setrlimit(RLIMIT_NOFILE, &salvato_); }
    SenzaNuoviFile(const SenzaNuoviFile&) = delete;
    SenzaNuoviFile& operator=(const SenzaNuoviFile&) = delete;

private:
    rlimit salvato_{};
};

}  // namespace tavo::test
