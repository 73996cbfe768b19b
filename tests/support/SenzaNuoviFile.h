#pragma once
// While it lives, the process can open no further file: every file that a
// routine tries to create fails as a full table of open files does ("Too
// many open files"), whoever runs the test, root included. The files
// already open stay usable. The undefined-behaviour sanitizer checks the
// object of a virtual call once per type, through a pipe that a full table
// would refuse: the calls of a failed write (the port's message, the file
// error's text) are made once first, and the port emptied.

#include "fileio/ErroreFile.h"
#include "tests/support/RecordingMessagePort.h"

#include <sys/resource.h>
#include <unistd.h>

#include <stdexcept>

namespace tavo::test {

class SenzaNuoviFile {
public:
    explicit SenzaNuoviFile(RecordingMessagePort& porta) {
        try {
            throw ErroreFile("");
        } catch (const std::runtime_error& e) {
            static_cast<MessagePort&>(porta).mostra(e.what());
        }
        porta.svuota();
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
