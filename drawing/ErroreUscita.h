#pragma once
// An error of an output target (no open DXF file, no CAD connection, an
// automation call that failed), with the run-time error number and text the
// output driver shows.

#include <stdexcept>
#include <string>

namespace tavo {

class ErroreUscita : public std::runtime_error {
public:
    ErroreUscita(int numero, const std::string& descrizione)
        : std::runtime_error(descrizione), numero_(numero) {}
    int numero() const { return numero_; }

private:
    int numero_;
};

// The errors the primitives raise when their target is missing.
ErroreUscita ErroreFileDxfNonAperto();      // 52, as writing to a file number not open
ErroreUscita ErroreOggettoNonImpostato();   // 91, as a missing object

}  // namespace tavo
