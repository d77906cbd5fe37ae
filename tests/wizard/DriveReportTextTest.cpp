// The drive report's text and checks from given drive facts.
#include <gtest/gtest.h>

#include "wizard/DriveReportText.h"

namespace {

using namespace HD_Info;

tk::DriveSpace Space(uint64_t total, uint64_t totalFree) {
  tk::DriveSpace s;
  s.ok = true;
  s.total = total;
  s.totalFree = totalFree;
  s.availableToUser = totalFree / 2;  // read, not used
  return s;
}

tk::VolumeFacts Volume(const std::string& label, const std::string& fileSystem) {
  return {true, label, fileSystem};
}

TEST(DriveReportText, FixedDriveReportLetterForLetter) {
  const DriveReport r =
      ReadableDriveReport("C:\\", 1048576, Space(10737418240ULL, 5368709120ULL), Volume("SISTEMA", "NTFS"), 3, '.');
  EXPECT_TRUE(r.writeReport);
  EXPECT_EQ(r.report,
            " Informazioni sull'unità C:\\\r\n"
            "\r\n"
            "  - Spazio utilizzato sul disco: 5.368.709.120 bytes\r\n"
            "  - Spazio disponibile: 5.368.709.120 bytes\r\n"
            "  - Spazio richiesto: 1.048.576 bytes\r\n"
            "  - Etichetta di Volume : SISTEMA\r\n"
            "\r\n"
            "  - Tipo di supporto: Disco rigido\r\n"
            "  - Tipo di File-System: NTFS\r\n");
  // The empty line before the medium, the report's seventh.
  EXPECT_EQ(r.lineUnderWarning, 6);
  EXPECT_EQ(r.report.substr(r.lineUnderWarningStart - 9, 14), "SISTEMA\r\n\r\n  -");
  EXPECT_EQ(r.result, 0);
  EXPECT_FALSE(r.warn);
  EXPECT_EQ(r.next, NextButton::Leave);
  EXPECT_FALSE(r.hideWelcome);
}

TEST(DriveReportText, NumbersZeroRequiredAndSeparator) {
  const DriveReport r = ReadableDriveReport("D:\\", 0, Space(4096, 4096), Volume("", "FAT"), 2, ',');
  EXPECT_NE(r.report.find("  - Spazio utilizzato sul disco: 0 bytes\r\n"), std::string::npos);
  EXPECT_NE(r.report.find("  - Spazio disponibile: 4,096 bytes\r\n"), std::string::npos);
  EXPECT_NE(r.report.find("  - Spazio richiesto:  bytes\r\n"), std::string::npos);
  EXPECT_NE(r.report.find("  - Etichetta di Volume : \r\n"), std::string::npos);
  EXPECT_EQ(r.result, 0);

  // Counts beyond 32 bits and beyond the old fixed-point range stay whole.
  const DriveReport big =
      ReadableDriveReport("E:\\", 1, Space(3000000000000000ULL, 1000000000000001ULL), Volume("X", "NTFS"), 3, '.');
  EXPECT_NE(big.report.find("sul disco: 1.999.999.999.999.999 bytes"), std::string::npos);
  EXPECT_NE(big.report.find("disponibile: 1.000.000.000.000.001 bytes"), std::string::npos);
}

TEST(DriveReportText, NamesCutAtTheirNulAndShortenedOrBlankWhenUnread) {
  const DriveReport cut = ReadableDriveReport("C:\\", 1, Space(100, 50),
                                              Volume(std::string("DATI\0  ", 7), std::string("FAT32\0x", 7)), 3, '.');
  EXPECT_NE(cut.report.find("Volume : DATI\r\n\r\n"), std::string::npos);
  EXPECT_NE(cut.report.find("File-System: FAT32\r\n"), std::string::npos);

  const DriveReport longNames = ReadableDriveReport("C:\\", 1, Space(100, 50), Volume("ARCHIVIO_2026_A", "EXFAT-X"), 3, '.');
  EXPECT_NE(longNames.report.find("Volume : ARCHIVIO_20\r\n"), std::string::npos);
  EXPECT_NE(longNames.report.find("File-System: EXFAT\r\n"), std::string::npos);

  const DriveReport unread = ReadableDriveReport("C:\\", 1, Space(100, 50), tk::VolumeFacts{}, 3, '.');
  EXPECT_NE(unread.report.find("Volume : " + std::string(11, ' ') + "\r\n"), std::string::npos);
  EXPECT_NE(unread.report.find("File-System: " + std::string(5, ' ') + "\r\n"), std::string::npos);
}

TEST(DriveReportText, DriveTypeNames) {
  const char* const names[] = {"*ERROR*", "Sconosciuto", "Rimuovibile", "Disco rigido",
                               "Remoto",  "CD-ROM",      "Disco RAM",   "*ERROR*"};
  for (uint32_t type = 0; type < 8; ++type) EXPECT_STREQ(DriveTypeName(type), names[type]) << type;
  const DriveReport r = ReadableDriveReport("R:\\", 1, Space(100, 50), Volume("RAM", "FAT"), 6, '.');
  EXPECT_NE(r.report.find("\r\n  - Tipo di supporto: Disco RAM\r\n"), std::string::npos);
}

TEST(DriveReportText, MediumAndSpaceChecks) {
  const std::string medium = "ATTENZIONE:\r\nTipo di supporto non valido. Provare a cambiare il supporto, ad es. 'C:\\'";
  const std::string space = "ATTENZIONE: lo spazio disponibile è INSUFFICIENTE.";

  // Free space equal to the requirement is not enough.
  DriveReport r = ReadableDriveReport("C:\\", 1000, Space(5000, 1000), Volume("A", "NTFS"), 3, '.');
  EXPECT_EQ(r.result, -1);
  EXPECT_TRUE(r.warn);
  EXPECT_EQ(r.warningTop, 2500);
  EXPECT_EQ(r.warning, space);
  EXPECT_EQ(r.next, NextButton::Disable);
  EXPECT_TRUE(r.writeReport);

  r = ReadableDriveReport("C:\\", 999, Space(5000, 1000), Volume("A", "NTFS"), 3, '.');
  EXPECT_EQ(r.result, 0);
  EXPECT_FALSE(r.warn);

  // A network drive with room: the medium warning, high up.
  r = ReadableDriveReport("N:\\", 10, Space(5000, 1000), Volume("SHARE", "NTFS"), 4, '.');
  EXPECT_EQ(r.result, -1);
  EXPECT_EQ(r.warningTop, 790);
  EXPECT_EQ(r.warning, medium);
  EXPECT_EQ(r.next, NextButton::Disable);

  // A full CD-ROM: the space warning replaces the medium's.
  r = ReadableDriveReport("E:\\", 10, Space(650000000, 0), Volume("CD", "CDFS"), 5, '.');
  EXPECT_NE(r.report.find("Tipo di supporto: CD-ROM\r\n"), std::string::npos);
  EXPECT_EQ(r.result, -1);
  EXPECT_EQ(r.warningTop, 2500);
  EXPECT_EQ(r.warning, space);
  EXPECT_EQ(r.next, NextButton::Disable);

  // A removable disk with room passes; unknown types do not.
  EXPECT_EQ(ReadableDriveReport("A:\\", 10, Space(5000, 1000), Volume("", "FAT"), 2, '.').result, 0);
  EXPECT_EQ(ReadableDriveReport("A:\\", 10, Space(5000, 1000), Volume("", "FAT"), 1, '.').warning, medium);
}

TEST(DriveReportText, UnreadableDrive) {
  const DriveReport r = UnreadableDriveReport();
  EXPECT_EQ(r.result, 1000000000);
  EXPECT_FALSE(r.writeReport);
  EXPECT_TRUE(r.warn);
  EXPECT_EQ(r.warningTop, 790);
  EXPECT_EQ(r.warning, "ATTENZIONE:\r\nImpossibile leggere le informazioni dall'unità scelta.");
  EXPECT_EQ(r.next, NextButton::Enable);
  EXPECT_TRUE(r.hideWelcome);
}

}  // namespace
