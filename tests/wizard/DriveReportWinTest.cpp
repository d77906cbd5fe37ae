// DriveInfoReport on the wizard window in this process: the real calls on
// C: and on a letter with no drive, the other kinds of drive through the
// host's drive facts, and the user's thousands separator.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "engine/SetupState.h"
#include "tests/support/Locale.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"
#include "wizard/HD_Info.h"

namespace {

using testsupport::ScratchWork;

const char kMedium[] = "ATTENZIONE:\r\nTipo di supporto non valido. Provare a cambiare il supporto, ad es. 'C:\\'";
const char kSpace[] = "ATTENZIONE: lo spazio disponibile è INSUFFICIENTE.";
const char kUnreadable[] = "ATTENZIONE:\r\nImpossibile leggere le informazioni dall'unità scelta.";

// Drive facts for chosen roots; other roots get the real ones.
struct FakeDrive {
  uint32_t type;
  tk::DriveSpace space;
  tk::VolumeFacts volume;
};

class DriveHost : public testsupport::ScriptedHost {
 public:
  std::map<std::string, FakeDrive> drives;

  uint32_t DriveType(const std::string& root) override {
    const auto it = drives.find(root);
    return it == drives.end() ? ScriptedHost::DriveType(root) : it->second.type;
  }
  tk::DriveSpace FreeSpace(const std::string& root) override {
    const auto it = drives.find(root);
    return it == drives.end() ? ScriptedHost::FreeSpace(root) : it->second.space;
  }
  tk::VolumeFacts Volume(const std::string& root) override {
    const auto it = drives.find(root);
    return it == drives.end() ? ScriptedHost::Volume(root) : it->second.volume;
  }
};

FakeDrive Fake(uint32_t type, uint64_t total, uint64_t totalFree, const std::string& label = "DATI",
               const std::string& fileSystem = "FAT32") {
  return {type, {true, totalFree, total, totalFree}, {true, label, fileSystem}};
}

std::string ThousandsSeparator() {
  char buffer[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, sizeof buffer);
  return buffer;
}

class DriveReport : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<ScratchWork>("drive-report-tests", info->name());
    ASSERT_TRUE(work_->WriteSetupFiles());
    ASSERT_TRUE(work_->Write("Setup.dip", testsupport::SetupDipText({"Velmarind Demo v.1.0", "descrizione",
                                                                     "Velmarind", "Velmarind Demo", "1.0", "Demo",
                                                                     "1048576", "Demo.exe", "", "", "Demo.exe"})));
    SourceDir = work_->work();
    SetupInfo = {};
    ASSERT_TRUE(FrmSetup().Load());
    ASSERT_TRUE(host_.boxes.empty());
  }
  void TearDown() override {
    FrmSetup().Unload();
    tk::Reset();
    work_.reset();
  }

  // The drive-report page as the wizard prepares it before the report.
  FrmSetupWindow& Prepare(bool nextEnabled = true) {
    FrmSetupWindow& w = FrmSetup();
    w.ErroreSpazio.SetTop(2500);
    w.ErroreSpazio.SetText("");
    w.ErroreSpazio.SetVisible(true);
    w.Welcome.SetText("testo di prima");
    w.Welcome.SetVisible(true);
    w.NextStep.SetEnabled(nextEnabled);
    return w;
  }
  // Low down the warning lies over the report's empty line before the
  // medium: report lines above it that wrap in their box move it down.
  static double LowTop(const FrmSetupWindow& w) {
    const std::string report = w.Welcome.Text();
    const size_t empty = report.find("\r\n\r\n  - Tipo di supporto");
    if (empty == std::string::npos) return 2500;
    return 2500 + (w.Welcome.LineOfChar(empty + 2) - 6) * w.Welcome.LineHeight();
  }
  void ExpectWarning(const FrmSetupWindow& w, double top, const std::string& text, bool nextEnabled) {
    EXPECT_EQ(w.ErroreSpazio.Top(), top == 2500 ? LowTop(w) : top);
    EXPECT_EQ(w.ErroreSpazio.Text(), text);
    EXPECT_EQ(w.ErroreSpazio.Visible(), !text.empty()) << "shown with a warning, hidden while empty";
    EXPECT_EQ(w.NextStep.Enabled(), nextEnabled);
  }

  std::unique_ptr<ScratchWork> work_;
  DriveHost host_;
};

TEST_F(DriveReport, RealFixedDriveC) {
  char label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
  ASSERT_TRUE(GetVolumeInformationA("C:\\", label, sizeof label, nullptr, nullptr, nullptr, fs, sizeof fs));
  const std::string sep = ThousandsSeparator();
  const std::string number = "[0-9]{1,3}(" + std::string(sep == "." ? "\\." : sep) + "[0-9]{3})*";

  FrmSetupWindow& w = Prepare();
  EXPECT_EQ(HD_Info::DriveInfoReport("C:\\", 1048576, w.Welcome), 0);
  const std::string report = w.Welcome.Text();
  EXPECT_TRUE(std::regex_match(
      report, std::regex(" Informazioni sull'unità C:\\\\\r\n\r\n"
                         "  - Spazio utilizzato sul disco: " + number + " bytes\r\n"
                         "  - Spazio disponibile: " + number + " bytes\r\n"
                         "  - Spazio richiesto: 1" + sep + "048" + sep + "576 bytes\r\n"
                         "  - Etichetta di Volume : [^\r\n]*\r\n\r\n"
                         "  - Tipo di supporto: Disco rigido\r\n"
                         "  - Tipo di File-System: [^\r\n]*\r\n")))
      << report;
  EXPECT_NE(report.find("Volume : " + std::string(label).substr(0, 11) + "\r\n"), std::string::npos);
  EXPECT_NE(report.find("File-System: " + std::string(fs).substr(0, 5) + "\r\n"), std::string::npos);
  ExpectWarning(w, 2500, "", true);
  EXPECT_TRUE(w.Welcome.Visible());

  // Nothing required: the number is left out.
  EXPECT_EQ(HD_Info::DriveInfoReport("C:\\", 0, w.Welcome), 0);
  EXPECT_NE(w.Welcome.Text().find("\r\n  - Spazio richiesto:  bytes\r\n"), std::string::npos);
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(DriveReport, LetterWithoutDriveIsUnreadableAndLetsTheUserGoOn) {
  std::string root;
  for (char letter = 'Y'; letter > 'C' && root.empty(); --letter) {
    const std::string candidate = std::string(1, letter) + ":\\";
    if (GetDriveTypeA(candidate.c_str()) == DRIVE_NO_ROOT_DIR) root = candidate;
  }
  ASSERT_FALSE(root.empty()) << "every letter has a drive";

  FrmSetupWindow& w = Prepare(false);
  EXPECT_EQ(HD_Info::DriveInfoReport(root, 1048576, w.Welcome), 1000000000);
  EXPECT_EQ(w.Welcome.Text(), "testo di prima");
  EXPECT_FALSE(w.Welcome.Visible());
  ExpectWarning(w, 790, kUnreadable, true);
}

TEST_F(DriveReport, DriveKindsAndSpaceFromTheHostsDriveFacts) {
  host_.drives["E:\\"] = Fake(5, 650000000, 0, "CD_DEMO", "CDFS");
  host_.drives["N:\\"] = Fake(4, 80000000000ULL, 40000000000ULL, "SHARE", "NTFS");
  host_.drives["R:\\"] = Fake(6, 64000000, 60000000, "RAMDISK", "FAT");
  host_.drives["F:\\"] = Fake(3, 5000000, 1048576);
  host_.drives["G:\\"] = Fake(2, 5000000, 1048577);
  host_.drives["A:\\"] = {2, {}, {}};  // no medium: the free space cannot be read

  // A full CD-ROM: the space warning replaces the medium's.
  FrmSetupWindow& w = Prepare();
  EXPECT_EQ(HD_Info::DriveInfoReport("E:\\", 1048576, w.Welcome), -1);
  EXPECT_NE(w.Welcome.Text().find("  - Tipo di supporto: CD-ROM\r\n  - Tipo di File-System: CDFS\r\n"),
            std::string::npos);
  EXPECT_NE(w.Welcome.Text().find("  - Etichetta di Volume : CD_DEMO\r\n"), std::string::npos);
  ExpectWarning(w, 2500, kSpace, false);

  // Network and RAM drives with room: the medium warning, high up.
  Prepare();
  EXPECT_EQ(HD_Info::DriveInfoReport("N:\\", 1048576, w.Welcome), -1);
  EXPECT_NE(w.Welcome.Text().find("Tipo di supporto: Remoto\r\n"), std::string::npos);
  ExpectWarning(w, 790, kMedium, false);
  Prepare();
  EXPECT_EQ(HD_Info::DriveInfoReport("R:\\", 1048576, w.Welcome), -1);
  EXPECT_NE(w.Welcome.Text().find("Tipo di supporto: Disco RAM\r\n"), std::string::npos);
  ExpectWarning(w, 790, kMedium, false);

  // Free space equal to the requirement is short; one byte more is enough.
  Prepare();
  EXPECT_EQ(HD_Info::DriveInfoReport("F:\\", 1048576, w.Welcome), -1);
  ExpectWarning(w, 2500, kSpace, false);
  Prepare();
  EXPECT_EQ(HD_Info::DriveInfoReport("G:\\", 1048576, w.Welcome), 0);
  EXPECT_NE(w.Welcome.Text().find("Tipo di supporto: Rimuovibile\r\n"), std::string::npos);
  ExpectWarning(w, 2500, "", true);
  EXPECT_TRUE(w.Welcome.Visible());

  // An empty removable drive.
  Prepare(false);
  EXPECT_EQ(HD_Info::DriveInfoReport("A:\\", 1048576, w.Welcome), 1000000000);
  EXPECT_EQ(w.Welcome.Text(), "testo di prima");
  EXPECT_FALSE(w.Welcome.Visible());
  ExpectWarning(w, 790, kUnreadable, true);
}

TEST_F(DriveReport, NumbersUseTheUsersThousandsSeparator) {
  host_.drives["F:\\"] = Fake(3, 9876543210ULL, 1234567890ULL);
  FrmSetupWindow& w = Prepare();
  std::string italian, english;
  {
    testsupport::LocaleAside separator({LOCALE_STHOUSAND});
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, "."));
    HD_Info::DriveInfoReport("F:\\", 1048576, w.Welcome);
    italian = w.Welcome.Text();
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, ","));
    HD_Info::DriveInfoReport("F:\\", 1048576, w.Welcome);
    english = w.Welcome.Text();
  }
  EXPECT_NE(italian.find("sul disco: 8.641.975.320 bytes\r\n  - Spazio disponibile: 1.234.567.890 bytes\r\n"
                         "  - Spazio richiesto: 1.048.576 bytes"),
            std::string::npos)
      << italian;
  EXPECT_NE(english.find("sul disco: 8,641,975,320 bytes\r\n  - Spazio disponibile: 1,234,567,890 bytes\r\n"
                         "  - Spazio richiesto: 1,048,576 bytes"),
            std::string::npos)
      << english;
}

}  // namespace
