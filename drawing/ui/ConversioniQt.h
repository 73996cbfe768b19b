#pragma once
// The core keeps texts and paths as UTF-8 (std::string, std::filesystem::path),
// Qt as QString. Every window converts paths through these two, so that a
// folder or file name with accents reaches the disk and the dialogs unchanged
// whatever the process locale.

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

namespace tavo {

QString PercorsoQt(const std::filesystem::path& p);
std::filesystem::path PercorsoDaQt(const QString& s);

// The Qt form of a dialog filter given as description|pattern pairs: one
// entry per description, with its pattern in parentheses.
QStringList FiltriQt(const std::string& filtro);

}  // namespace tavo
