// The named numbers under resources/ids/ against the tables that use them: each string
// number has exactly one text, each control identifier one row in each template that holds
// it, each named control, tab page and template a row somewhere. The constants are read from
// the headers themselves, so a name added there without its row (or a row written twice) is
// caught without a second list to keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "resources/areas.h"

namespace kpa::resources {
namespace {

struct NamedNumber {
  std::string name;
  int number;
};

// The `inline constexpr int kName = 123;` lines of a header under resources/ids/, grouped by
// the innermost namespace they stand in ("strings", "controls", "pages", "templates", or
// "shell" for the shell's texts and commands).
std::map<std::string, std::vector<NamedNumber>> ReadIds(const std::string& header) {
  std::ifstream in(std::filesystem::path(KPA_SOURCE_DIR) / "src/resources/ids" / header);
  EXPECT_TRUE(in) << header;
  const std::regex opening(R"(^namespace ([\w:]+) \{)");
  const std::regex constant(R"(^inline constexpr int (k\w+) = (\d+);)");
  std::map<std::string, std::vector<NamedNumber>> found;
  std::string group;
  std::string line;
  std::smatch match;
  while (std::getline(in, line)) {
    if (std::regex_search(line, match, opening)) {
      const std::string name = match[1];
      group = name.substr(name.rfind(':') == std::string::npos ? 0 : name.rfind(':') + 1);
    } else if (std::regex_search(line, match, constant)) {
      found[group].push_back({match[1], std::stoi(match[2])});
    }
  }
  EXPECT_FALSE(found.empty()) << header;
  return found;
}

std::vector<const DialogTemplate*> AllTemplates() {
  std::vector<const DialogTemplate*> all;
  for (const ResourceArea& area : ResourceAreas())
    for (const DialogTemplate& dialog : area.templates) all.push_back(&dialog);
  return all;
}

TEST(ResourceTables, EachStringNumberHasOneText) {
  std::map<int, int> texts;
  for (const ResourceArea& area : ResourceAreas())
    for (const StringEntry& entry : area.strings) ++texts[entry.number];
  for (const auto& [number, count] : texts) EXPECT_EQ(count, 1) << "string " << number;

  // Every named string number (the shell's commands are its startup rows' texts).
  for (const char* header :
       {"shell_ids.h", "sampling_strings.h", "capability_strings.h", "cause_effect_strings.h"}) {
    auto ids = ReadIds(header);
    for (const char* group : {"shell", "strings"})
      for (const NamedNumber& id : ids[group])
        EXPECT_EQ(texts.count(id.number), 1u) << header << ": " << id.name << " = " << id.number;
  }
}

TEST(ResourceTables, EachControlHasOneRowPerTemplate) {
  std::set<int> controls;
  std::set<int> pages;
  std::set<int> templates;
  for (const DialogTemplate* dialog : AllTemplates()) {
    templates.insert(dialog->number);
    std::map<int, int> rows;
    for (const ControlTemplate& control : dialog->controls) ++rows[control.id];
    for (const auto& [id, count] : rows) EXPECT_EQ(count, 1) << dialog->number << ": " << id;
    std::set<int> own_pages;
    for (const TabTemplate& tab : dialog->tabs) {
      EXPECT_TRUE(own_pages.insert(tab.number).second) << dialog->number << ": " << tab.number;
      pages.insert(tab.number);
    }
    for (const ControlTemplate& control : dialog->controls) {
      controls.insert(control.id);
      EXPECT_TRUE(control.page == 0 || own_pages.count(control.page) == 1) << control.id;
    }
  }

  for (const char* header :
       {"shell_ids.h", "sampling_controls.h", "capability_controls.h", "cause_effect_controls.h"}) {
    auto ids = ReadIds(header);
    const std::regex page_name(R"((k\w+?)(First|Base)?Tab)");
    for (const NamedNumber& id : ids["controls"])
      EXPECT_EQ(controls.count(id.number), 1u) << header << ": " << id.name << " = " << id.number;
    for (const NamedNumber& id : ids["pages"])
      EXPECT_EQ(pages.count(id.number), 1u) << header << ": " << id.name << " = " << id.number;
    for (const NamedNumber& id : ids["templates"]) {
      // kName is a template; kNameTab, kNameBaseTab and kNameFirstTab are the page that
      // template opens on, one of its tabs once the template has any.
      std::smatch tab;
      if (!std::regex_match(id.name, tab, page_name)) {
        EXPECT_EQ(templates.count(id.number), 1u) << id.name << " = " << id.number;
        continue;
      }
      const auto owner = std::find_if(ids["templates"].begin(), ids["templates"].end(),
                                      [&](const NamedNumber& t) { return t.name == tab[1]; });
      ASSERT_NE(owner, ids["templates"].end()) << id.name;
      const DialogTemplate* dialog = FindDialogTemplate(owner->number);
      ASSERT_NE(dialog, nullptr) << owner->name;
      if (dialog->tabs.empty()) continue;  // still a frame: its tabs come with its dialog
      EXPECT_TRUE(std::any_of(dialog->tabs.begin(), dialog->tabs.end(),
                              [&](const TabTemplate& t) { return t.number == id.number; }))
          << id.name << " = " << id.number;
    }
  }
}

}  // namespace
}  // namespace kpa::resources
