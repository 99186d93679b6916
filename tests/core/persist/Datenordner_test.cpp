#include "core/persist/Datenordner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace vapro {
namespace {

namespace fs = std::filesystem;

TEST(Datenordner, InstalledShareBeforeDataBesideTheProgramBeforeTheSourceTree) {
    const fs::path wurzel = fs::temp_directory_path() / "vapro-datenordner-test";
    fs::remove_all(wurzel);
    const fs::path bin = wurzel / "bin", share = wurzel / "share" / "zelto-vapro";
    fs::create_directories(bin / "data");
    fs::create_directories(share);

    EXPECT_EQ(Datenordner(bin), fs::path(VAPRO_DATA_DIR)) << "nothing installed";
    std::ofstream(bin / "data" / "Vapro15.hlp") << "#1000 x\n";
    EXPECT_EQ(Datenordner(bin), (bin / "data").lexically_normal());
    std::ofstream(share / "Vapro15.hlp") << "#1000 x\n";
    EXPECT_EQ(Datenordner(bin), share.lexically_normal());
    fs::remove_all(wurzel);
}

} // namespace
} // namespace vapro
