// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard's entry format, the line-spacing decision, the face list's fills and
// the repaint check's memory of the printer.
#include "workboard/archive.h"
#include "workboard/face_list.h"
#include "workboard/printer_watch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numbrella {
namespace {

TEST(Archive, EntryForEachLineSpacing) {
  const Calculation sum{"12", "+", "30", "42"};
  EXPECT_EQ(PlanArchive(1, sum).entry, "\r\n12  +  30  =  42");
  EXPECT_EQ(PlanArchive(2, sum).entry, "\r\n\r\n12  +  30  =  42");
  EXPECT_EQ(PlanArchive(3, sum).entry, "\r\n\r\n\r\n12  +  30  =  42");
  // Every text of the fields goes in unchanged, an empty operand 2 included.
  EXPECT_EQ(PlanArchive(2, {"9", "SR", "", "3"}).entry, "\r\n\r\n9  SR    =  3");
  EXPECT_EQ(PlanArchive(1, {"-.", "X^Y", "3.14159265", "-0.25000"}).entry,
            "\r\n-.  X^Y  3.14159265  =  -0.25000");
}

TEST(Archive, LineSpacingThatIsNotOneTwoOrThree) {
  const Calculation sum{"1", "+", "2", "3.00000"};
  for (int nothing : {0, 4, -2}) {
    SCOPED_TRACE(nothing);
    ArchivePlan plan = PlanArchive(nothing, sum);
    EXPECT_EQ(plan.step, ArchiveStep::NothingWritten);
    EXPECT_EQ(plan.entry, "");
  }
  EXPECT_EQ(PlanArchive(std::nullopt, sum).step, ArchiveStep::NoLineSpacing);
}

TEST(FaceList, FillsSortsAndKeepsTheTailOfALongerFill) {
  const std::vector<std::string> printer{"Courier New", "arial", "Arial Narrow", "Times"};
  std::vector<std::string> list = RefilledFaceList({}, printer);
  EXPECT_EQ(list, (std::vector<std::string>{"arial", "Arial Narrow", "Courier New", "Times"}));

  // The same names again, in another order: no loss, no duplicates.
  EXPECT_EQ(RefilledFaceList(list, {"Times", "Arial Narrow", "Courier New", "arial"}), list);

  // A shorter fill replaces the first entries and keeps the rest.
  EXPECT_EQ(RefilledFaceList(list, {"Zapf", "Book"}),
            (std::vector<std::string>{"Book", "Courier New", "Times", "Zapf"}));
  EXPECT_EQ(RefilledFaceList(list, {}), list);
}

TEST(FaceList, OrderIgnoresCaseFirst) {
  EXPECT_TRUE(FaceNameBefore("abc", "ABD"));
  EXPECT_TRUE(FaceNameBefore("Arial", "Arial Narrow"));
  EXPECT_FALSE(FaceNameBefore("Arial", "Arial"));
  EXPECT_NE(FaceNameBefore("ARIAL", "arial"), FaceNameBefore("arial", "ARIAL"));
}

TEST(FaceList, FamiliesShowOnceByTheirPlainNames) {
  EXPECT_EQ(PlainFamilyNames({"Nimbus Sans [urw]", "DejaVu Sans", "Nimbus Sans [UKWN]",
                              "Nimbus Sans", "Symbol [x] [y]", "DejaVu Sans"}),
            (std::vector<std::string>{"Nimbus Sans", "DejaVu Sans", "Symbol [x]"}));
  // Brackets that are no foundry tag stay.
  for (const char* kept : {"[urw]", "Odd [", "Odd []", "Odd[x]", "Fira Code]"}) {
    EXPECT_EQ(PlainFamilyName(kept), kept);
  }
}

TEST(PrinterWatch, ActsOnlyOnAChangedSituation) {
  PrinterWatch watch;
  watch.Remember(std::string("Office"));
  EXPECT_EQ(watch.Check(std::string("Office")), PrinterChange::None);
  EXPECT_EQ(watch.Check(std::string("Fax")), PrinterChange::NewDefaultPrinter);
  EXPECT_EQ(watch.Check(std::string("Fax")), PrinterChange::None);
  EXPECT_EQ(watch.Check(std::nullopt), PrinterChange::PrinterGone);
  EXPECT_EQ(watch.Check(std::nullopt), PrinterChange::None) << "once, not on every repaint";
  EXPECT_EQ(watch.Check(std::string("Fax")), PrinterChange::NewDefaultPrinter);

  PrinterWatch none;
  none.Remember(std::nullopt);
  EXPECT_EQ(none.Check(std::nullopt), PrinterChange::None);
  EXPECT_EQ(none.Check(std::string("")), PrinterChange::NewDefaultPrinter)
      << "a printer with an empty name is still a printer";
}

}  // namespace
}  // namespace numbrella
