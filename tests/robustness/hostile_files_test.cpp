#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "analysis/engine/comparison/candidate_file.h"
#include "analysis/engine/face_file.h"
#include "analysis/engine/ranking/colour_ranking.h"
#include "analysis/engine/ranking/top_nine.h"
#include "analysis/mainwindow/prefs_file.h"
#include "common/facefile/face_file_writer.h"
#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "vismaker/stats/read_face_values.h"

namespace {

// Damaged copies of a good file: bytes flipped, lines cut or doubled, digits blown up, line ends
// changed. Readers may refuse them with the program's own error, never otherwise.
std::string damaged(const std::string& good, std::mt19937& rng) {
    std::string text = good;
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = rng() % text.size();
        switch (rng() % 7) {
            case 0:
                text[at] = static_cast<char>(rng() % 256);
                break;
            case 1:
                text.erase(at, rng() % 40);
                break;
            case 2:
                text.insert(at, std::string(1 + rng() % 12, "9-.,~#[]*E&H\r\n\xA3"[rng() % 16]));
                break;
            case 3:
                text.resize(at);
                break;
            case 4:
                text.insert(at, text.substr(at, rng() % 200));
                break;
            case 5:
                text.insert(at, "99999999999999999999E308");
                break;
            default:
                for (char& c : text) {
                    if (c == '\r') {
                        c = '\n';
                    }
                }
        }
    }
    return text;
}

void survives(const std::string& good, const std::function<void(const std::string&)>& read) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 2000; ++round) {
        const std::string text = damaged(good, rng);
        try {
            read(text);
        } catch (const common::Error&) {
            // Refused as the program refuses a damaged file.
        }
    }
}

std::string goodFace() {
    common::WizardFace face;
    face.name = "Anna";
    face.description = "Model, Swedish";
    for (std::size_t k = 0; k < face.points.size(); ++k) {
        face.points[k] = {static_cast<std::int16_t>(100 + 30 * k),
                          static_cast<std::int16_t>(50 * k)};
    }
    face.angles.fill(30);
    face.heightText = "172";
    face.colours = common::FaceColours{255, 32768, 8421504};
    face.webAddress = "www.example.org";
    face.scaleDistance = 412;
    return common::faceFileText(face);
}

}  // namespace

TEST(HostileFiles, FaceReadersRefuseDamageCleanly) {
    const std::string face = goodFace();
    survives(face, [](const std::string& t) { analysis::parseFaceFile(t); });
    survives(face, [](const std::string& t) { analysis::parseCandidateFile(t); });
    survives(face, [](const std::string& t) {
        vismaker::FaceValues values;
        vismaker::ReadFaceValues(t, values);
    });
}

TEST(HostileFiles, ResultListsAndSettingsRefuseDamageCleanly) {
    const std::string results =
        "Face Two -Actor (Portrait only)= 85  70  60  90{ 45} #75 ~[www.x.org]\r\n"
        "Mary-Jane -Singer= 100  100  100  100{ 0} #0 ~\r\n99999\r\n";
    survives(results, [](const std::string& t) { analysis::RankTopNine(t, "Anna"); });
    const std::string colours =
        "045 H12 E20 S13 [Face Two]{Actor}\r\n1128 H400 E400 S328 [Far]{x}\r\n99999\r\n";
    survives(colours, [](const std::string& t) { analysis::rankColourRecords(t); });
    analysis::PrefsValues prefs;
    prefs.weights.fill(10);
    prefs.quickKeys[0] = "Anna";
    survives(analysis::prefsFileText(prefs),
             [&prefs](const std::string& t) { analysis::parsePrefsFile(t, prefs); });
}

TEST(HostileFiles, NumberConversionsRefuseHugeValuesCleanly) {
    std::mt19937 rng(7);
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (int i = 0; i < 1 + static_cast<int>(rng() % 30); ++i) {
            text += "0123456789+-.eEdD&HhOo ,*\t\r\n"[rng() % 29];
        }
        try {
            common::toInt16(common::Val(text));
        } catch (const common::Error&) {
        }
    }
}
