#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("zentavo-files-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::string file(const std::string &name) const { return (m_path / name).string(); }
    const std::filesystem::path &path() const { return m_path; }

    static std::string read(const std::string &file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::string &file, const std::string &bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path m_path;
};
