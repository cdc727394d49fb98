// Every interface of the type library reached as a script reaches it, through the step chain
// from the startup dialog, by the shipped examples: each example is played up to the first
// statement that addresses an interface not yet reached. There every property is read and
// written back unchanged (the dialog is left as it was; a disabled control refuses the
// write, as it refuses a person's typing), and every action is pressed in a
// session of its own: each produces an output, shows a message, moves the chain on, or
// fails with a reason, never silently.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "automation/type_library.h"
#include "host/script/session.h"
#include "resources/dialog_templates.h"

namespace kpa::script {
namespace {

namespace fs = std::filesystem;
using automation::Access;
using automation::AutomationStatus;
using automation::MemberType;

const fs::path kExamples = fs::path(KPA_SOURCE_DIR) / "examples";

// The statements of an example that lead to an interface's dialog.
struct Route {
  std::string example;
  std::vector<Statement> statements;
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The first route to each interface the examples address.
std::map<std::string, Route> RoutesOfTheExamples() {
  std::map<std::string, Route> routes;
  std::vector<fs::path> scripts;
  for (const auto& entry : fs::directory_iterator(kExamples))
    if (entry.path().extension() == ".kps") scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  for (const fs::path& path : scripts) {
    const Script script = ParseScript(ReadText(path), path.filename().string());
    for (std::size_t i = 0; i < script.statements.size(); ++i) {
      const std::string& object = script.statements[i].object;
      if (automation::FindInterface(object) == nullptr) continue;
      const std::string name(automation::FindInterface(object)->name);
      if (routes.count(name) != 0) continue;
      routes[name] = {
          path.filename().string(),
          {script.statements.begin(), script.statements.begin() + static_cast<std::ptrdiff_t>(i)}};
    }
  }
  return routes;
}

// A session played along a route; quiet, outputs kept in memory.
class RoutedSession {
 public:
  explicit RoutedSession(const Route& route) {
    SessionOptions options;
    options.host.out = &out_;
    options.host.err = &err_;
    options.base_folder = kExamples;
    session_ = std::make_unique<Session>(options);
    session_->Start();
    for (const Statement& statement : route.statements) session_->Execute(statement, route.example);
  }
  Session& operator*() { return *session_; }
  Session* operator->() { return session_.get(); }
  std::string Errors() const { return err_.str(); }

 private:
  std::ostringstream out_;
  std::ostringstream err_;
  std::unique_ptr<Session> session_;
};

// Presses that would write beside the examples.
bool WritesFiles(std::string_view member) {
  return member == "SaveDesign" || member == "SaveDesignAsRAndRDataSheet";
}

TEST(ObjectModelWalk, EveryInterfaceIsReachedByTheExamples) {
  const auto routes = RoutesOfTheExamples();
  std::vector<std::string> missing;
  for (const auto& definition : automation::Interfaces())
    if (routes.count(std::string(definition.name)) == 0) missing.emplace_back(definition.name);
  EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST(ObjectModelWalk, PropertiesReadAndWrittenBackLeaveTheDialogAsItWas) {
  for (const auto& [name, route] : RoutesOfTheExamples()) {
    SCOPED_TRACE(name + " by " + route.example);
    RoutedSession session(route);
    ASSERT_EQ(session->OpenInterfaceName(), name) << session.Errors();
    const auto* definition = automation::FindInterface(name);
    for (const automation::MemberRow& row : definition->members) {
      if (row.access == Access::kCall || row.access == Access::kWrite) continue;
      SCOPED_TRACE(std::string(row.member));
      automation::DialogAutomation dialog(session->Process().CurrentDialog());
      automation::Variant value;
      ASSERT_EQ(dialog.Get(row.member, value), AutomationStatus::kOk) << dialog.LastError();
      if (row.access != Access::kReadWrite) continue;
      // A disabled control takes no typing from a person, and so none from a script; the
      // hand-written accessors store into the settings whatever the control shows.
      const bool enabled = row.control_id == 0 || row.own_set != nullptr ||
                           session->Process().CurrentDialog()->FindControl(row.control_id)->enabled;
      const AutomationStatus written = dialog.Put(row.member, value);
      if (enabled) {
        EXPECT_EQ(written, AutomationStatus::kOk) << dialog.LastError();
      } else {
        EXPECT_NE(written, AutomationStatus::kOk);
        EXPECT_NE(dialog.LastError().find("disabled"), std::string::npos) << dialog.LastError();
      }
      ASSERT_EQ(session->OpenInterfaceName(), name);
      automation::DialogAutomation again(session->Process().CurrentDialog());
      automation::Variant after;
      ASSERT_EQ(again.Get(row.member, after), AutomationStatus::kOk) << again.LastError();
      EXPECT_EQ(after, value);
    }
  }
}

// An enumeration member's values are the rows of its control: every value names a row
// (for the startup list, a row that starts a procedure), every row of a list or combo box
// but the separators has its value.
TEST(ObjectModelWalk, EnumerationsMatchTheirControlsItems) {
  int checked = 0;
  for (const auto& [name, route] : RoutesOfTheExamples()) {
    RoutedSession session(route);
    const auto* definition = automation::FindInterface(name);
    for (const automation::MemberRow& row : definition->members) {
      if (row.type != MemberType::kEnum) continue;
      SCOPED_TRACE(name + "." + std::string(row.member));
      const shell::Control* control =
          session->Process().CurrentDialog()->FindControl(row.control_id);
      ASSERT_NE(control, nullptr);
      const auto* enumeration = automation::FindEnumeration(row.enum_name);
      ASSERT_NE(enumeration, nullptr);
      std::size_t rows = control->items.size();
      if (control->kind == shell::ControlKind::kTabControl) {
        const auto* dialog =
            resources::FindDialogTemplate(session->Process().CurrentDialog()->TemplateNumber());
        rows = rows == 0 && dialog != nullptr ? dialog->tabs.size() : rows;
      }
      std::set<int> values;
      for (const auto& value : enumeration->values) {
        EXPECT_LT(static_cast<std::size_t>(value.value), rows) << value.name;
        values.insert(value.value);
      }
      std::size_t separators = 0;
      for (const std::string& item : control->items)
        if (item.empty() || item.find_first_not_of("- ") == std::string::npos) ++separators;
      EXPECT_EQ(values.size() + separators, rows);
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(ObjectModelWalk, EveryActionProducesSomethingOrSaysWhyNot) {
  int actions = 0;
  for (const auto& definition : automation::Interfaces())
    for (const automation::MemberRow& row : definition.members)
      if (row.type == MemberType::kAction && !WritesFiles(row.member)) ++actions;
  int pressed = 0;
  for (const auto& [name, route] : RoutesOfTheExamples()) {
    const auto* definition = automation::FindInterface(name);
    for (const automation::MemberRow& row : definition->members) {
      if (row.type != MemberType::kAction || WritesFiles(row.member)) continue;
      SCOPED_TRACE(name + "." + std::string(row.member) + " by " + route.example);
      RoutedSession session(route);
      ASSERT_EQ(session->OpenInterfaceName(), name);
      const int outputs = session->Host().Log().OutputCount();
      const std::size_t messages = session->Host().Messages().size();
      automation::DialogAutomation dialog(session->Process().CurrentDialog());
      automation::Variant result;
      const AutomationStatus status = dialog.Call(row.member, {}, result);
      ++pressed;
      const bool produced = session->Host().Log().OutputCount() > outputs;
      const bool said = session->Host().Messages().size() > messages;
      const bool moved = session->OpenInterfaceName() != name;
      if (status == AutomationStatus::kOk)
        EXPECT_TRUE(produced || said || moved) << "pressed without any effect";
      else
        EXPECT_FALSE(dialog.LastError().empty()) << "failed without a reason";
    }
  }
  EXPECT_EQ(pressed, actions);
}

}  // namespace
}  // namespace kpa::script
