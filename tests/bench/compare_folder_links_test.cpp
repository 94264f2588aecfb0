// The links compare_folder's pages give faces' web addresses: only web and mail addresses become
// links, whatever else an address names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/facefile/face_file_writer.h"
#include "tests/bench/driver_run.h"
#include "tests/common/temp_folder.h"
#include "tools/face_generator/face_database.h"

namespace {

constexpr const char* kPages[] = {"Results_1.htm", "Results_2.htm", "Results_3.htm"};

struct CompareFolderLinks : ::testing::Test {
    TempFolder data;
    std::vector<facegen::GeneratedFace> faces = facegen::generateFaces(8, 21);

    std::string allPages() const {
        std::string text;
        for (const char* page : kPages) {
            text += data.read(page);
        }
        return text;
    }
};

}  // namespace

TEST_F(CompareFolderLinks, OnlyWebAddressesAreLinkedOnThePages) {
    const std::vector<std::string> addresses = {"javascript:alert(1)", "data:text/html,x",
                                                "example.com:8080/me"};
    for (auto& generated : faces) {
        generated.face.webAddress.clear();
    }
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        faces[i + 1].face.webAddress = addresses[i];
    }
    facegen::writeDatabase(data.text(), faces, facegen::Pictures::Placeholders);

    const DriverRun done = runDriverAt(
        COMPARE_FOLDER,
        {data.text(), common::faceFileName(faces[0].face.name), "--web-links", "--view", "2"});
    ASSERT_EQ(done.code, 0) << done.err;
    ASSERT_NE(data.read("Results_2.htm").find(faces[1].face.name), std::string::npos)
        << "every face of the run is on the page of all matches";
    const std::string pages = allPages();
    EXPECT_EQ(pages.find("javascript"), std::string::npos);
    EXPECT_EQ(pages.find("data:"), std::string::npos);
    EXPECT_NE(pages.find("<a href='http://example.com:8080/me'>"), std::string::npos);
    EXPECT_EQ(pages.find("'example.com:8080/me'"), std::string::npos);
}
