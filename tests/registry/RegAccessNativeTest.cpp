#include <gtest/gtest.h>

#include "registry/RegAccess.h"

TEST(RegAccessShared, IsOneObjectWithTheFlagOnOverTheRegistryInMemory) {
  clsRegistryAccess& first = RegAccess();
  EXPECT_EQ(&first, &RegAccess());
  EXPECT_TRUE(first.CreateKeyIfDoesntExists());
  EXPECT_NE(first.WriteString("HKCU\\Software\\Shared", "v", "x"), 0);
  EXPECT_EQ(RegAccess().ReadString("HKCU\\Software\\Shared", "v"), "x");
}
