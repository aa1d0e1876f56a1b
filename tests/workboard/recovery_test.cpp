// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy: its bytes round trip whatever they hold, a damaged copy reads as
// unreadable, and offering a copy back puts the unsaved workboard back as it was.
#include "workboard/recovery.h"

#include "workboard/document.h"
#include "workboard/document_desk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace numbrella::testing {
namespace {

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes + bytes;
}

const RecoveryRecord kRecords[] = {
    {"", "", TextEncoding::Utf8, true, 0},
    {kUntitledText + kTyped, "", TextEncoding::Utf8, true, 1700000000},
    {kOldText, kOld, TextEncoding::Windows1252, true, -86400},
    {AllBytes(), "/odd\nname\r\n=7\n", TextEncoding::Utf8, false, 9223372036854775807},
    {"no line break at the end\n\n", "text=3\n", TextEncoding::Utf8, true, 42},
};

TEST(RecoveryCopy, EveryRecordComesBackByteForByte) {
  for (const RecoveryRecord& record : kRecords) {
    EXPECT_EQ(ReadRecovery(RecoveryBytes(record)), record) << record.fileName;
  }
}

TEST(RecoveryCopy, ACopyCutShortAnywhereIsUnreadable) {
  const std::string whole = RecoveryBytes(kRecords[3]);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    EXPECT_EQ(ReadRecovery(std::string_view(whole).substr(0, length)), std::nullopt) << length;
  }
}

TEST(RecoveryCopy, DamagedCopiesAreUnreadable) {
  const std::string good = RecoveryBytes(kRecords[1]);
  auto replaced = [&good](std::string_view from, std::string_view to) {
    std::string bytes = good;
    bytes.replace(bytes.find(from), from.size(), to);
    return bytes;
  };
  const std::string damaged[] = {
      "",
      "Some other file\n",
      replaced("recovery 1", "recovery 2"),
      replaced("changed=1", "changed=yes"),
      replaced("encoding=utf-8", "encoding=latin-1"),
      replaced("last-changed=1700000000", "last-changed=17e8"),
      replaced("last-changed=1700000000", "last-changed=99999999999999999999"),
      replaced("file-name=0", "file-name=-1"),
      replaced("file-name=0", "file-name=999"),
      replaced("text=", "text=1"),
      replaced("text=", "txt="),
      good + "x",
  };
  for (const std::string& bytes : damaged) {
    EXPECT_EQ(ReadRecovery(bytes), std::nullopt) << bytes;
  }
}

TEST(RecoveryCopy, NamesOfCopiesAndWhereUnreadableOnesGo) {
  EXPECT_TRUE(IsRecoveryCopyName("workboard-12-ab.recovery"));
  EXPECT_FALSE(IsRecoveryCopyName(".recovery"));
  EXPECT_FALSE(IsRecoveryCopyName("workboard-12-ab.recovery.lock"));
  EXPECT_FALSE(IsRecoveryCopyName("workboard-12-ab.recovery.unreadable"));
  EXPECT_FALSE(IsRecoveryCopyName("workboard-12-ab.recovery.Xa81Qd"));  // being written
  EXPECT_EQ(UnreadableCopyName("/s/w.recovery"), "/s/w.recovery.unreadable");
}

// Offering a copy back, from each state the workboard can be in.
struct Offer {
  const char* name;
  Start start;
  bool readable;
  std::vector<SaveAnswer> restoreAnswers;
  std::vector<SaveAnswer> saveAnswers;
  CopyFate fate;
  bool restored;
};

using enum Start;
using enum SaveAnswer;
using enum CopyFate;

// clang-format off
const Offer kOffers[] = {
    {"unreadable: said, moved aside", UntitledUnchanged, false, {}, {}, MoveAside, false},
    {"No: the copy goes", UntitledUnchanged, true, {No}, {}, Remove, false},
    {"unanswered: the copy stays", TitledUnchanged, true, {Cancel}, {}, Keep, false},
    {"Yes: restored", UntitledUnchanged, true, {Yes}, {}, Remove, true},
    {"Yes over a saved document: restored", TitledUnchanged, true, {Yes}, {}, Remove, true},
    {"Yes over unsaved work, let go", UntitledChanged, true, {Yes}, {No}, Remove, true},
    {"Yes over unsaved work, kept", TitledChanged, true, {Yes}, {Cancel}, Keep, false},
};
// clang-format on

TEST(RecoveryOffer, EachAnswerFromEachState) {
  const RecoveryRecord copy{"\r\n3  +  4  =  7\r\n\xE2\x82\xAC", kNew, TextEncoding::Windows1252,
                            true, 1234};
  const std::string path = "/state/workboard-9-1.recovery";
  for (const Offer& offer : kOffers) {
    SCOPED_TRACE(offer.name);
    Desk desk(offer.start);
    desk.window.restoreAnswers.assign(offer.restoreAnswers.begin(), offer.restoreAnswers.end());
    desk.window.answers.assign(offer.saveAnswers.begin(), offer.saveAnswers.end());
    const std::optional<RecoveryRecord> before = desk.document.UnsavedRecord();
    const std::string textBefore = desk.window.text;

    const std::optional<RecoveryRecord> read =
        offer.readable ? std::optional<RecoveryRecord>(copy) : std::nullopt;
    EXPECT_EQ(desk.document.OfferRecovery(read, path), offer.fate);

    if (!offer.readable) {
      EXPECT_EQ(desk.window.Seen(),
                std::vector<std::string>{Told(UnreadableCopyText(path, path + ".unreadable"))});
    } else {
      EXPECT_EQ(desk.window.log.front(), "restore? " + RestoreQuestionText(copy, "at 1234"));
    }
    if (offer.restored) {
      // The workboard as the copy's calculator left it, and the copy its own again.
      EXPECT_EQ(desk.document.UnsavedRecord(), copy);
      EXPECT_EQ(desk.window.title, TitledWindowTitle(kNew));
      EXPECT_TRUE(desk.window.modified);
      EXPECT_TRUE(desk.window.clearButtonShown);
    } else {
      EXPECT_EQ(desk.window.text, textBefore);
      EXPECT_EQ(desk.document.UnsavedRecord(), before);
    }
  }
}

TEST(RecoveryOffer, TheQuestionNamesTheFileWhenThereIsOne) {
  RecoveryRecord copy{"1", "", TextEncoding::Utf8, true, 0};
  EXPECT_EQ(RestoreQuestionText(copy, "today"),
            "The calculator ended without saving its workboard, last changed today.\r\n"
            "Would you like to restore the unsaved workboard?");
  copy.fileName = "/home/me/100% sums.txt";
  EXPECT_EQ(RestoreQuestionText(copy, "today"),
            "The calculator ended without saving its workboard \"/home/me/100% sums.txt\", "
            "last changed today.\r\nWould you like to restore the unsaved workboard?");
}

TEST(RecoveryOffer, OnlyUnsavedWorkNeedsACopy) {
  Desk desk(TitledUnchanged);
  EXPECT_EQ(desk.document.UnsavedRecord(), std::nullopt);
  desk.window.Edit(kOldText + kTyped);
  const std::optional<RecoveryRecord> record = desk.document.UnsavedRecord();
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->text, kOldText + kTyped);
  EXPECT_EQ(record->fileName, kOld);
  EXPECT_GT(record->lastChanged, 1600000000);
  desk.document.Save();
  EXPECT_EQ(desk.document.UnsavedRecord(), std::nullopt);
}

}  // namespace
}  // namespace numbrella::testing
