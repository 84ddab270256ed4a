#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <functional>
#include <limits>

#include "engine/encounter.h"
#include "files/byte_sink.h"
#include "files/cp932.h"
#include "files/csv_export.h"
#include "files/export_values.h"
#include "files/json_export.h"
#include "files/json_writer.h"
#include "tests/files/files_test_support.h"
#include "tests/support/comma_locale.h"

namespace zelmora {
namespace {

// What `write` puts through a JsonWriter, as the document's text.
std::string JsonText(const std::function<void(JsonWriter&)>& write) {
  return CollectBytes([&write](ByteSink& sink) {
    JsonWriter json(sink);
    write(json);
    json.Finish();
  });
}

// `utf8` as the writer's string value, quotes included.
std::string JsonString(std::string_view utf8) {
  std::string text = JsonText([utf8](JsonWriter& json) { json.String(utf8); });
  text.pop_back();  // the document's line end
  return text;
}

// A name as a CSV field, written plainly for the tests to compare the
// exports' piece-by-piece writing against: a leading apostrophe where a
// spreadsheet would take it for a formula, then quoted as any field.
std::string NameField(std::string_view name) {
  constexpr std::string_view kFormulaStarts = "=+-@\t\r";
  if (!name.empty() && kFormulaStarts.find(name.front()) != std::string_view::npos) {
    return CsvField("'" + std::string(name));
  }
  return CsvField(name);
}

TEST(ShortestRealTest, ReadsBackAsTheSameDoubleWhateverTheLocale) {
  const std::vector<double> values = {66.33, 0.1, 1.0 / 3.0, -0.754, 1e300, 5e-324, 0.0, 28.42608};
  std::vector<std::string> texts;
  texts.reserve(values.size());
  bool comma_locale = false;
  {
    const testing::CommaLocale comma;
    comma_locale = comma.InForce();
    for (const double value : values) texts.push_back(ShortestReal(value));
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(std::strtod(texts[i].c_str(), nullptr), values[i]) << texts[i];
    EXPECT_EQ(texts[i].find(','), std::string::npos) << texts[i];
  }
  EXPECT_EQ(ShortestReal(66.33), "66.33");
  EXPECT_EQ(ShortestReal(9.0), "9");
  EXPECT_EQ(ShortestReal(std::numeric_limits<double>::quiet_NaN()), "");
  EXPECT_EQ(JsonText([](JsonWriter& json) { json.Real(std::numeric_limits<double>::infinity()); }),
            "null\n");
  if (!comma_locale) GTEST_SKIP() << "the C library knows no locale with a decimal comma";
}

TEST(JsonWriterTest, EscapesWhatJsonAndTerminalsNeed) {
  EXPECT_EQ(JsonString("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(JsonString("\r\n\t\x1b\x7f"), R"("\r\n\t\u001b\u007f")");
  EXPECT_EQ(JsonString("\u009b剣"), R"("\u009b剣")");
  EXPECT_EQ(JsonString(std::string("\0", 1)), R"("\u0000")");
}

TEST(JsonWriterTest, RecordsStayOnOneLineInsideAnIndentedDocument) {
  const std::string document = JsonText([](JsonWriter& json) {
    json.Open('{', false);
    json.Key("version").Integer(1);
    json.Key("row").Open('{', true).Key("a").Bool(true).Key("b").Raw("null").Close();
    json.Key("rows").Open('[', true).Item().Open('[', true).Close().Item().Real(0.5).Close();
    json.Key("empty").Open('{', true).Close();
    json.Close();
  });
  EXPECT_EQ(document,
            "{\n"
            "  \"version\": 1,\n"
            "  \"row\": { \"a\": true, \"b\": null },\n"
            "  \"rows\": [ [], 0.5 ],\n"
            "  \"empty\": {}\n"
            "}\n");
}

TEST(ExportValuesTest, NamesAndTechniques) {
  std::string utf8;
  EXPECT_TRUE(AppendUtf8FromCp932(testing::Cp932("竜王"), utf8));
  EXPECT_EQ(utf8, "竜王");
  utf8.clear();
  EXPECT_FALSE(
      AppendUtf8FromCp932("a\x80"
                          "b\x81",  // 0x80 unused, 0x81 a lead at the end
                          utf8));
  EXPECT_EQ(utf8, "a\uFFFDb\uFFFD");

  const auto read = [](std::string technique) {
    return ReadTechnique(MatchupResult{0, std::move(technique), 0});
  };
  EXPECT_TRUE(read("A").auto_triggered);
  EXPECT_EQ(read("A").penalty, std::nullopt);
  EXPECT_EQ(read("-0").penalty, 0);
  EXPECT_EQ(read("-50").penalty, 50);
  EXPECT_FALSE(read("-50").auto_triggered);
  EXPECT_EQ(read("").penalty, std::nullopt);
}

TEST(CsvExportTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("剣士アルド"), "剣士アルド");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
  EXPECT_EQ(CsvField(""), "");
}

// A spreadsheet runs a cell starting with these as a formula; the JSON
// keeps the name as it is.
TEST(CsvExportTest, NamesASpreadsheetWouldRunGetALeadingApostrophe) {
  struct Case {
    std::string name, field;
  };
  for (const Case& c :
       {Case{"=1+1", "'=1+1"}, Case{"+SUM(A1:A3)", "'+SUM(A1:A3)"}, Case{"-2", "'-2"},
        Case{"@x", "'@x"}, Case{"\tT", "'\tT"}, Case{"\rR", "\"'\rR\""}, Case{"=a,b", "\"'=a,b\""},
        Case{"a=1", "a=1"}, Case{"", ""}}) {
    Encounter e;
    e.attacker(1).name = c.name;
    EXPECT_NE(CsvExport(e).find("\r\n1," + c.field + ",1,"), std::string::npos) << c.name;
  }
  Encounter e;
  e.defender(1).name = "=HYPERLINK(\"x\")";
  EXPECT_NE(CsvExport(e).find(",\"'=HYPERLINK(\"\"x\"\")\","), std::string::npos);
  EXPECT_NE(JsonExport(e).find("\"=HYPERLINK(\\\"x\\\")\""), std::string::npos);
}

TEST(CsvExportTest, HeaderAndTwentyFiveRowsWithAByteOrderMark) {
  Encounter e;
  e.attacker(2).name = testing::Cp932("弓兵,ケイ");
  e.attacker(2).judgment_value = 65;
  e.attacker(5).auto_trigger = 1;
  e.attacker(5).judgment_value = 40;
  e.Recalculate();
  const std::string csv = CsvExport(e);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(testing::CountLines(csv), 26u);
  EXPECT_EQ(csv.find("\r\n") + 2, csv.find("1,,1,,"));  // CR LF, then pairing 1-1
  EXPECT_NE(csv.find("\r\n2,\"弓兵,ケイ\",1,,"), std::string::npos);
  EXPECT_NE(csv.find("\r\n5,,3,,"), std::string::npos);
  EXPECT_EQ(csv.find("\n\n"), std::string::npos);
}

TEST(JsonExportTest, DetailRowsFollowTheJudgmentValue) {
  Encounter e;
  e.attacker(1).judgment_value = 25;
  e.attacker(1).auto_trigger = 1;
  e.defender(1).name = "\x82";  // a lead byte alone
  e.Recalculate();
  const std::string json = JsonExport(e);
  // Judgment value 25: the rows 0, -10 and -20, then nothing.
  const std::size_t first = json.find("\"attacker\": 1,\n      \"defender\": 1,");
  const std::size_t second = json.find("\"attacker\": 1,\n      \"defender\": 2,");
  ASSERT_NE(first, std::string::npos) << json.substr(0, 3000);
  ASSERT_NE(second, std::string::npos);
  const std::string pairing = json.substr(first, second - first);
  EXPECT_NE(pairing.find("{ \"penalty\": 20,"), std::string::npos);
  EXPECT_EQ(pairing.find("{ \"penalty\": 30,"), std::string::npos);
  EXPECT_NE(pairing.find("\"auto_trigger\": { \"hit_percent\": 99,"), std::string::npos);
  EXPECT_NE(json.find("\"name\": \"\uFFFD\",\n      \"name_undecodable\": true"),
            std::string::npos);
}

// Long names go out a piece at a time, and CSV stops holding names past a
// few megabytes: what is written must be what the short path writes for the
// same text, at every piece boundary.
TEST(ExportLongNamesTest, PieceByPieceAsWhole) {
  // Pairs, with what needs escaping or does not decode around each 32 KiB
  // boundary: a quote, an escape, a lone lead byte before a quote.
  std::string name;
  while (name.size() < (std::size_t{5} << 20)) {
    name += "\x88\x9F";
    if (name.size() % 32768 < 2) name += "\"\x1b\x81\"=";
  }
  const std::string utf8 = Utf8FromCp932(name);
  ASSERT_NE(utf8.find("\uFFFD"), std::string::npos);

  Encounter e;
  e.attacker(2).name = name;
  e.defender(4).name = name;
  e.Recalculate();
  const std::string json = JsonExport(e);
  const std::string expected_name =
      "\"name\": " + JsonString(utf8) + ", \"name_undecodable\": true";
  const std::size_t first = json.find(expected_name);
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(json.find("\"name\": " + JsonString(utf8) + ",\n", first + 1), std::string::npos);

  const std::string csv = CsvExport(e);
  const std::string field = NameField(utf8);
  // Row 2,4 holds the name twice, each time whole.
  EXPECT_NE(csv.find("\r\n2," + field + ",4," + field + ","), std::string::npos);
  std::size_t rows = 0;
  for (std::size_t at = csv.find(field); at != std::string::npos; at = csv.find(field, at + 1)) {
    ++rows;
  }
  EXPECT_EQ(rows, 10u);  // five rows of attacker 2, five of defender 4
}

}  // namespace
}  // namespace zelmora
