// The field set: the 10-character limit of the geometry results, who is told of a write, and the
// number read back after every change of a text.

#include "field_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_error.h"

namespace velmora {
namespace {

using enum FieldId;

TEST(field_set, only_text8_to_text14_keep_ten_characters) {
  FieldSet fields;
  const std::string longText = "20.1653017388329";
  for (int n = 1; n <= kFieldCount; ++n) {
    fields.Write(FieldAt(n), longText);
    const bool limited = n >= 8 && n <= 14;
    EXPECT_EQ(fields.Text(FieldAt(n)), limited ? "20.1653017" : longText) << "Text" << n;
  }
}

TEST(field_set, user_text_is_limited_alike_and_not_reported) {
  FieldSet fields;
  int reported = 0;
  fields.SetObserver([&reported](FieldId, const std::string&) { ++reported; });
  EXPECT_EQ(fields.StoreUserText(Text8, "123456789012"), "1234567890");
  EXPECT_EQ(fields.StoreUserText(Text9, "あいうえおかきくけこさし"), "あいうえおかきくけこ");
  EXPECT_EQ(fields.StoreUserText(Text10, "123456789\xF0\x9F\x98\x80"), "123456789");
  EXPECT_EQ(fields.StoreUserText(Text1, std::string(5000, '7')).size(), 5000U);
  EXPECT_EQ(reported, 0);
  fields.Write(Text8, "x");
  EXPECT_EQ(reported, 1);
}

TEST(field_set, observer_sees_the_stored_text) {
  FieldSet fields;
  std::vector<std::pair<FieldId, std::string>> seen;
  fields.SetObserver([&seen](FieldId id, const std::string& t) { seen.emplace_back(id, t); });
  fields.Write(Text13, "7.0135641500000006");
  fields.Write(Text15, "   0.00   0.000\r\n");
  ASSERT_EQ(seen.size(), 2U);
  EXPECT_EQ(seen[0], std::make_pair(Text13, std::string("7.01356415")));
  EXPECT_EQ(seen[1].second, "   0.00   0.000\r\n");
}

TEST(field_set, a_write_is_marked_once_and_a_users_text_never) {
  FieldSet fields;
  fields.Write(Text5, "159.951");
  fields.StoreUserText(Text1, "371");
  EXPECT_TRUE(fields.TakeChange(Text5));
  EXPECT_FALSE(fields.TakeChange(Text5));
  EXPECT_FALSE(fields.TakeChange(Text1));
}

TEST(field_set, number_follows_every_change_of_the_text) {
  FieldSet fields;
  EXPECT_THROW((void)fields.Number(Text1), CalcError);  // empty
  fields.Write(Text1, "370");
  EXPECT_EQ(fields.Number(Text1), 370.0);
  fields.StoreUserText(Text1, "371");
  EXPECT_EQ(fields.Number(Text1), 371.0);
  fields.StoreUserText(Text1, "abc");
  EXPECT_THROW((void)fields.Number(Text1), CalcError);
  fields.Write(Text1, "1e3");
  EXPECT_EQ(fields.Number(Text1), 1000.0);
}

TEST(field_set, writing_a_field_its_own_text_keeps_it) {
  FieldSet fields;
  fields.Write(Text5, "159.951");
  fields.Write(Text5, fields.Text(Text5));
  EXPECT_EQ(fields.Text(Text5), "159.951");
}

}  // namespace
}  // namespace velmora
