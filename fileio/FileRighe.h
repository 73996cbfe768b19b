#pragma once
// The line format of the files the program both reads and writes (the
// project file with its seismic block, Tavo.ini) and of the island list:
// lines of comma-separated fields, ending in CR LF.
//
//   number   decimal text with a point, no grouping, optional sign and
//            exponent ("12.5", "-.25", "1E-05"); an empty field reads as 0
//   string   text between double quotes, which never holds a double quote
//            (the writer puts an apostrophe for one) nor a line break (the
//            writer puts two characters of code 1 for one, see SostituisceAcapo)
//   Boolean  #TRUE# or #FALSE#
//
// One FileRighe object is the open file in one mode: a file routine calls
// the same sequence of FileInOut... calls in both modes, so that reading and
// writing follow one order by construction.
//
// Reading works on the file's bytes already in memory: Windows-1252, or
// UTF-8 after a UTF-8 byte-order mark; lines end in CR LF or LF. Writing
// builds the bytes (Windows-1252, CR LF) that FileSuDisco puts on disk in
// one piece. Every failure throws ErroreFile naming the line, so that the
// caller can drop what it read and keep its state.
//
// Values are float, double, std::int16_t (VB Integer), bool and std::string.

#include "fileio/ErroreFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The read/write mode ("L" and "S" of the stored format).
enum class Modo { Lettura, Scrittura };

// A string value as one field can hold it: every line break (CR LF, or a
// lone CR or LF) becomes two characters of code 1.
std::string SostituisceAcapo(std::string_view testo);

// The first quoted field of `riga` (which begins with a double quote), with
// every pair of code-1 characters turned back into CR LF; `riga` keeps what
// follows the closing quote and the one separator after it. Throws
// ErroreFile when the closing quote is missing.
std::string EstraeCampoStringa(std::string& riga);

class FileRighe {
public:
    // PerRighe: every FileInOut call reads one whole line, which must hold
    // exactly its number of fields (the project file and Tavo.ini).
    // Flusso: fields are taken one after the other whatever the line ends
    // (the island list, whose rows are read as one matrix row).
    enum class Lettura { PerRighe, Flusso };

    // A file being read, from its bytes.
    explicit FileRighe(std::string_view contenuto, Lettura lettura = Lettura::PerRighe);
    // A file being written.
    FileRighe();

    Modo modo() const { return modo_; }
    bool inLettura() const { return modo_ == Modo::Lettura; }
    // Lines read or written so far.
    int riga() const { return riga_; }
    // The bytes written so far.
    const std::string& contenuto() const { return scritto_; }

    // One line holding all the values, in argument order.
    template <class... T>
    void FileInOut(T&... valori);

    // One line of string fields, one per item. Reading: a line that does not
    // begin with a double quote is one item, the whole line. Writing needs
    // at least one item.
    void FileInOutStringColl(std::vector<std::string>& coll);

    // One line per element (the values of a row on one line, for a matrix
    // of rows); reading fills the elements the matrix already has. An empty
    // matrix reads and writes nothing.
    template <class T>
    void FileInOutMat(std::vector<T>& matrice);
    template <class T>
    void FileInOutMat(std::vector<std::vector<T>>& matrice);

    // The header pair: a line of two string fields, a title and a format
    // version. Reading: `primo` gets the first, `secondoLetto` the second or
    // "0" when the line holds one only; a line that is not one or two quoted
    // fields, or a version that is not digits and points, throws ErroreFile.
    // Writing: `primo` and `secondoDaScrivere`.
    void FileInOutDueValori(std::string& primo, std::string& secondoLetto,
                            std::string_view secondoDaScrivere);

    // Throws ErroreFile naming the last line when v lies outside
    // [minimo, massimo]: a count or an index that no file may hold.
    void VerificaIntervallo(long v, long minimo, long massimo) const;

    // Throws ErroreFile with `dettaglio` naming the last line read or written.
    [[noreturn]] void Errore(const std::string& dettaglio) const { Errore(dettaglio, riga_); }

private:
    struct Campo {
        std::string testo;
        bool virgolette = false;
    };

    // Throws ErroreFile on line `riga` (by default the last line read or written).
    [[noreturn]] void Errore(const std::string& dettaglio, int riga) const;
    void VerificaFinito(std::size_t k, double v) const;
    std::string_view ProssimaRiga();
    std::vector<Campo> Campi(std::size_t quanti);
    Campo CampoInFlusso();

    void Converte(const Campo& c, std::size_t k, float& v) const;
    void Converte(const Campo& c, std::size_t k, double& v) const;
    void Converte(const Campo& c, std::size_t k, std::int16_t& v) const;
    void Converte(const Campo& c, std::size_t k, bool& v) const;
    void Converte(const Campo& c, std::size_t k, std::string& v) const;

    void Scrive(std::size_t k, float v);
    void Scrive(std::size_t k, double v);
    void Scrive(std::size_t k, std::int16_t v);
    void Scrive(std::size_t k, bool v);
    void Scrive(std::size_t k, const std::string& v);
    void ScriveTesto(std::size_t k, std::string_view campo);
    void FineRiga();

    template <class Elementi>
    void RigaDiValori(Elementi& elementi);

    Modo modo_;
    Lettura lettura_ = Lettura::PerRighe;
    std::vector<std::string> righe_;  // reading: the lines, in UTF-8
    std::size_t prossima_ = 0;        // reading: index of the next line
    std::size_t colonna_ = 0;         // stream reading: position in the current line
    bool inRiga_ = false;             // stream reading: a line is partly read
    std::string rigaScritta_;         // writing: the line being built, in UTF-8
    std::string scritto_;             // writing: the bytes of the finished lines
    int riga_ = 0;
};

template <class... T>
void FileRighe::FileInOut(T&... valori) {
    if (modo_ == Modo::Scrittura) {
        std::size_t k = 0;
        (Scrive(++k, valori), ...);
        FineRiga();
    } else {
        const std::vector<Campo> campi = Campi(sizeof...(T));
        std::size_t k = 0;
        ((Converte(campi[k], k + 1, valori), ++k), ...);
    }
}

template <class Elementi>
void FileRighe::RigaDiValori(Elementi& elementi) {
    if (modo_ == Modo::Scrittura) {
        std::size_t k = 0;
        for (auto& v : elementi) Scrive(++k, v);
        FineRiga();
    } else {
        const std::vector<Campo> campi = Campi(elementi.size());
        std::size_t k = 0;
        for (auto& v : elementi) {
            Converte(campi[k], k + 1, v);
            ++k;
        }
    }
}

template <class T>
void FileRighe::FileInOutMat(std::vector<T>& matrice) {
    for (auto& v : matrice) FileInOut(v);
}

template <class T>
void FileRighe::FileInOutMat(std::vector<std::vector<T>>& matrice) {
    for (auto& riga : matrice) RigaDiValori(riga);
}

}  // namespace tavo
