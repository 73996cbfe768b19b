#pragma once
// Where the window tests write: under the build folder of the test program
// (TAVO_BUILD_DIR; the temporary folder when it is not set). The pictures of
// the windows land there for a person to look at after a run, the files of
// each test in a folder of its own below "prove".

#include <QDir>
#include <QString>
#include <QWidget>

#include <filesystem>

namespace tavo::test {

inline QString CartellaCostruzione() { return qEnvironmentVariable("TAVO_BUILD_DIR", QDir::tempPath()); }

// A fresh, empty folder for one test.
inline std::filesystem::path CartellaDiProva(const char* nome) {
    const std::filesystem::path c =
        std::filesystem::path(CartellaCostruzione().toStdString()) / "prove" / nome;
    std::filesystem::remove_all(c);
    std::filesystem::create_directories(c);
    return c;
}

// Writes the picture of `finestra` as the PNG file `nome` of the build folder.
inline bool SalvaImmagine(QWidget& finestra, const QString& nome) {
    return finestra.grab().save(CartellaCostruzione() + QLatin1Char('/') + nome);
}

}  // namespace tavo::test
