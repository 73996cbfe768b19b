#pragma once
// A file that cannot be read or written as the program's format asks. The
// text says where and why ("Riga 18: il numero dei campi è 4 invece di 3.");
// the file routines turn it into the one message the user sees.

#include <stdexcept>
#include <string>

namespace tavo {

class ErroreFile : public std::runtime_error {
public:
    explicit ErroreFile(const std::string& dettaglio) : std::runtime_error(dettaglio) {}
};

}  // namespace tavo
