#pragma once
// A fresh, empty folder for the running test. Its name carries the test's name
// and the process id, so that two runs of the suite at the same time (two
// build presets, two checkouts on one machine) never write into one folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace tavo {

inline std::filesystem::path NuovaCartellaDiProva(std::string_view prefisso) {
    const auto* prova = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nome(prefisso);
    nome += prova ? prova->name() : "fuori_test";
    nome += '_' + std::to_string(::getpid());
    const auto cartella = std::filesystem::temp_directory_path() / nome;
    std::filesystem::remove_all(cartella);
    std::filesystem::create_directories(cartella);
    return cartella;
}

}  // namespace tavo
