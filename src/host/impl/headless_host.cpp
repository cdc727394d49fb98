#include "host/impl/headless_host.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <ctime>
#include <ostream>
#include <stdexcept>

#include "host/api/special_values.h"
#include "host/impl/data/data_file.h"
#include "host/impl/data/data_file_writer.h"
#include "host/impl/data/date_format.h"
#include "host/impl/render/axis_scale.h"
#include "host/impl/render/provenance.h"
#include "host/impl/render/table_render.h"
#include "resources/string_table.h"

namespace kpa::host {
namespace {

// Set by the Ctrl-C handler; read and cleared by the host between requests. Lock-free atomics
// are safe in a signal handler and from another thread alike.
std::atomic<int> signal_cancel{0};
// The signal that interrupted the run (0: none); never cleared.
std::atomic<int> signal_interrupt{0};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kProgressBarWidth = 40;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

}  // namespace

HeadlessHost::HeadlessHost(HeadlessOptions options)
    : options_(std::move(options)), keywords_(options_.keyword_file) {
  log_.SetImageFormats(options_.images);
  log_.SetTableFormats(options_.tables);
  render::Provenance& provenance = log_.Provenance();
  provenance.program = options_.program;
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);
  char started[32];
  std::strftime(started, sizeof started, "%Y-%m-%d %H:%M:%S UTC", &utc);
  provenance.started = started;
}

void HeadlessHost::RecordSelectionAndWeight() {
  log_.Provenance().selection = SelectionConditionText();
  log_.Provenance().weight = WeightVariableName();
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::Notice(const std::string& text) {
  if (options_.err != nullptr) *options_.err << text << '\n';
}

// --- Control of the host.

void HeadlessHost::OpenDataFile(const std::string& path) {
  data::ReadResult result = data::ReadDataFile(path, options_.csv);
  auto opened = std::make_unique<data::DataSet>(std::move(result.data));
  // The condition and the weight refer to the old file's variables: keep them only when
  // they still make sense in the new one.
  std::optional<data::SelectionCondition> selection;
  if (selection_) {
    try {
      selection = data::SelectionCondition::Parse(selection_->text(), *opened);
    } catch (const data::SelectionConditionError&) {
      Notice("the case-selection condition does not apply to " + path + "; it is cleared");
    }
  }
  int weight = 0;
  if (weight_variable_ > 0) {
    weight = opened->FindVariable(data_->variable(weight_variable_).name);
    if (weight == 0) Notice("the weight variable is not in " + path + "; weighting is off");
  }
  data_ = std::move(opened);
  selection_ = std::move(selection);
  weight_variable_ = weight;
  for (const auto& notice : result.notices) Notice(notice);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  log_.Provenance().data_files.push_back({path, error ? 0 : size, render::FileSha256(path)});
  RecordSelectionAndWeight();
}

void HeadlessHost::SetSelectionCondition(const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    selection_.reset();
  } else {
    if (!data_) throw data::SelectionConditionError(1, "no data file is open");
    selection_ = data::SelectionCondition::Parse(text, *data_);
  }
  RecordSelectionAndWeight();
}

std::string HeadlessHost::SelectionConditionText() const {
  return selection_ ? selection_->text() : std::string();
}

void HeadlessHost::SetWeightVariable(const std::string& name) {
  if (name.empty()) {
    weight_variable_ = 0;
  } else {
    const int variable = data_ ? data_->FindVariable(name) : 0;
    if (variable == 0) throw std::invalid_argument("no variable is named '" + name + "'");
    weight_variable_ = variable;
  }
  RecordSelectionAndWeight();
}

std::string HeadlessHost::WeightVariableName() const {
  return weight_variable_ > 0 ? data_->variable(weight_variable_).name : std::string();
}

void HeadlessHost::SetOutputFolder(const std::filesystem::path& folder) { log_.SetFolder(folder); }

void HeadlessHost::BeginRequest() {
  cancelled_ = false;
  signal_cancel = 0;
}

void HeadlessHost::RequestCancelFromSignal(int signal_number) {
  signal_cancel = 1;
  signal_interrupt = signal_number;
}

int HeadlessHost::InterruptingSignal() { return signal_interrupt; }

bool HeadlessHost::CancelRequestedFromSignal() { return signal_cancel != 0; }

// --- Data.

bool HeadlessHost::HasDataFile() const { return data_ != nullptr; }
std::string HeadlessHost::DataFileName() const { return data_ ? data_->source_path : ""; }
int HeadlessHost::VariableCount() const { return data_ ? data_->VariableCount() : 0; }
std::int64_t HeadlessHost::CaseCount() const { return data_ ? data_->CaseCount() : 0; }

CaseRead HeadlessHost::ReadCase(int variable, std::int64_t case_number) {
  CaseRead read;
  ReadCases(variable, case_number, std::span(&read, 1));
  return read;
}

void HeadlessHost::ReadCases(int variable, std::int64_t first, std::span<CaseRead> reads) {
  if (!data_ || !data_->HasVariable(variable)) {
    std::fill(reads.begin(), reads.end(), CaseRead{CaseStatus::kFailure, 0.0});
    return;
  }
  const std::vector<double>& values = data_->variable(variable).values;
  const std::int64_t cases = data_->CaseCount();
  for (std::size_t i = 0; i < reads.size(); ++i) {
    const std::int64_t number = first + static_cast<std::int64_t>(i);
    if (number < 1 || number > cases) {
      reads[i] = {CaseStatus::kFailure, 0.0};
      continue;
    }
    const double value = values[static_cast<std::size_t>(number - 1)];
    reads[i] = {
        selection_ && !selection_->Selected(number) ? CaseStatus::kExcluded : CaseStatus::kRead,
        value};
  }
}

double HeadlessHost::MissingCode(int variable) const {
  return data_ && data_->HasVariable(variable) ? data_->variable(variable).missing_code
                                               : data::kDefaultMissingCode;
}

std::string HeadlessHost::VariableName(int variable) const {
  return data_ && data_->HasVariable(variable) ? data_->variable(variable).name : "";
}

std::optional<std::string> HeadlessHost::VariableLongName(int variable) const {
  if (!data_ || !data_->HasVariable(variable)) return std::nullopt;
  return data_->variable(variable).long_name;
}

std::optional<std::string> HeadlessHost::ValueLabelText(int variable, double code) const {
  if (!data_ || !data_->HasVariable(variable)) return std::nullopt;
  return data_->variable(variable).LabelOf(code);
}

std::optional<std::string> HeadlessHost::ValueLongLabel(int variable, double code) const {
  if (!data_ || !data_->HasVariable(variable)) return std::nullopt;
  const auto& long_labels = data_->variable(variable).value_long_labels;
  const auto found = long_labels.find(code);
  if (found == long_labels.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> HeadlessHost::ValueInDisplayFormat(int variable, double value) const {
  if (!data_ || !data_->HasVariable(variable)) return std::nullopt;
  const auto& format = data_->variable(variable).date_format;
  if (!format) return std::nullopt;
  return data::FormatDate(*format, value);
}

std::vector<ValueLabel> HeadlessHost::ValueLabels(int variable) const {
  std::vector<ValueLabel> labels;
  if (!data_ || !data_->HasVariable(variable)) return labels;
  for (const auto& [code, text] : data_->variable(variable).value_labels)
    labels.push_back({code, text});
  return labels;
}

bool HeadlessHost::IsTextCoded(int variable) const {
  return data_ && data_->HasVariable(variable) && data_->variable(variable).from_texts;
}

int HeadlessHost::FindVariable(const std::string& name) const {
  return data_ ? data_->FindVariable(name) : 0;
}

bool HeadlessHost::HasCaseNames() const { return data_ && data_->HasCaseNames(); }

std::string HeadlessHost::CaseName(std::int64_t case_number) const {
  return data_ ? data_->CaseName(case_number) : "";
}

bool HeadlessHost::WeightingOn() const { return weight_variable_ > 0; }

double HeadlessHost::CaseWeight(std::int64_t case_number) {
  if (!data_ || weight_variable_ == 0) return 1.0;
  return data::CaseWeight(*data_, weight_variable_, case_number);
}

// --- Host dialogs. Their answers are queued beforehand by the script (or the shell user).

bool HeadlessHost::OpenDataFileDialog() {
  if (file_names_.empty() || !file_names_.front()) {
    if (!file_names_.empty()) file_names_.pop_front();
    Notice("file dialog: cancelled (no file name queued)");
    return false;
  }
  const std::string path = *file_names_.front();
  file_names_.pop_front();
  try {
    OpenDataFile(path);
  } catch (const std::exception& error) {
    ShowMessage(error.what());
    return false;
  }
  return true;
}

// The condition and the weight are set with the host statements; these buttons open no
// dialog of their own in the headless host and change nothing.
bool HeadlessHost::DefineSelectionCondition() { return false; }
bool HeadlessHost::DefineWeight() { return false; }

// Without a queued answer the dialog is cancelled: a script must say what it enters.
std::optional<double> HeadlessHost::AskNumber(const std::string& caption, const std::string& label,
                                              double initial) {
  std::optional<double> answer;
  if (!numbers_.empty()) {
    answer = numbers_.front();
    numbers_.pop_front();
  }
  const auto text = [](double value) {
    if (IsSpecialValue(value) || !std::isfinite(value)) return std::string("(vide)");
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
  };
  Notice("dialog " + caption + "- " + label + " " + text(initial) + " -> " +
         (answer ? text(*answer) : std::string("Annuler")));
  return answer;
}

std::optional<std::string> HeadlessHost::AskSaveFileName(const std::string& purpose,
                                                         const std::string& suggested) {
  std::optional<std::string> answer = suggested;
  if (!file_names_.empty()) {
    answer = file_names_.front();
    file_names_.pop_front();
  } else if (!log_.Folder().empty()) {
    answer = (log_.Folder() / suggested).string();
  }
  Notice("file dialog (" + purpose + "): " + (answer ? *answer : std::string("cancelled")));
  return answer;
}

bool HeadlessHost::FileExists(const std::string& path) const {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

bool HeadlessHost::WriteNewDataFile(const std::string& path, const NewDataFile& file) {
  try {
    data::WriteDataFile(path, file);
  } catch (const data::DataFileError& error) {
    ShowMessage(error.what());
    return false;
  }
  Notice("data file written: " + path);
  return true;
}

// --- Output.

int HeadlessHost::ShowTable(const TableSpec& table) {
  log_.AddTable(table);
  if (options_.out != nullptr) *options_.out << render::RenderTableText(table) << '\n';
  return kOutputShown;
}

int HeadlessHost::ShowChart(const ChartSpec& chart) {
  const int number = log_.AddChart(chart);
  if (options_.out != nullptr) {
    *options_.out << "[chart " << OutputLog::Stem(number) << ": "
                  << (chart.title.empty() ? std::string() : chart.title.front()) << "]\n\n";
  }
  return kOutputShown;
}

int HeadlessHost::ShowDiagram(const DiagramSpec& diagram) {
  const int number = log_.AddDiagram(diagram);
  if (options_.out != nullptr) {
    *options_.out << "[diagram " << OutputLog::Stem(number) << ": "
                  << (diagram.title.empty() ? std::string() : diagram.title.front().text)
                  << "]\n\n";
  }
  return kOutputShown;
}

void HeadlessHost::WriteText(const std::string& line) {
  log_.AddTextLine(line);
  if (options_.out != nullptr) *options_.out << line << '\n';
}

// --- Status, progress and cancel.

void HeadlessHost::SetStatusText(const std::string& text) { status_text_ = text; }

void HeadlessHost::ProgressStart(std::int64_t total, const std::string& caption) {
  progress_total_ = total;
  progress_done_ = 0;
  progress_caption_ = caption;
  progress_percent_ = 0;
  DrawProgress();
}

// The bar is redrawn only when its percentage changes, and then at most ten times a second
// (always at 100 %): a pass over a large file costs a hundred writes at most, not one per
// case.
void HeadlessHost::ProgressStep(std::int64_t done) {
  progress_done_ = done;
  if (cancel_at_step_ > 0 && done >= cancel_at_step_) cancelled_ = true;
  if (!options_.progress_bar || progress_total_ <= 0) return;
  const std::int64_t percent =
      std::clamp<std::int64_t>(done, 0, progress_total_) * 100 / progress_total_;
  if (percent == progress_percent_) return;
  const auto now = std::chrono::steady_clock::now();
  if (percent < 100 && now - progress_drawn_ < kProgressInterval) return;
  progress_percent_ = percent;
  DrawProgress();
}

void HeadlessHost::ProgressStop() {
  if (options_.progress_bar && options_.err != nullptr && progress_total_ > 0)
    *options_.err << "\r\033[K" << std::flush;
  progress_total_ = 0;
}

void HeadlessHost::DrawProgress() {
  if (!options_.progress_bar || options_.err == nullptr || progress_total_ <= 0) return;
  const double fraction = std::clamp(
      static_cast<double>(progress_done_) / static_cast<double>(progress_total_), 0.0, 1.0);
  const auto width = static_cast<std::size_t>(kProgressBarWidth);
  const auto filled = static_cast<std::size_t>(fraction * kProgressBarWidth);
  *options_.err << '\r' << progress_caption_ << " [" << std::string(filled, '#')
                << std::string(width - filled, ' ') << "] " << static_cast<int>(fraction * 100)
                << '%' << std::flush;
  progress_drawn_ = std::chrono::steady_clock::now();
}

bool HeadlessHost::IsCancelled() {
  if (signal_cancel != 0) cancelled_ = true;
  return cancelled_;
}

// --- Messages and questions.

void HeadlessHost::ShowMessage(const std::string& text) {
  messages_.push_back(text);
  log_.AddMessage(text);
  Notice("message: " + text);
}

bool HeadlessHost::AskYesNo(const std::string& question, bool default_answer) {
  bool answer = default_answer;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  const std::string record = question + " -> " + (answer ? "Oui" : "Non");
  messages_.push_back(record);
  log_.AddMessage(record);
  Notice("question: " + record);
  return answer;
}

std::string HeadlessHost::ResourceString(int number) const {
  return std::string(resources::ResourceText(number));
}

std::optional<std::string> HeadlessHost::GetInitKeyword(const std::string& section,
                                                        const std::string& key) const {
  return keywords_.Get(section, key);
}

void HeadlessHost::PutInitKeyword(const std::string& section, const std::string& key,
                                  const std::string& value) {
  if (!keywords_.Put(section, key, value))
    Notice("the keyword store could not be written; the setting is kept for this session");
}

std::string HeadlessHost::RealToText(double value, int width, int decimals) const {
  return FormatNumberField(value, width, decimals);
}

AxisScale HeadlessHost::ScaleAxis(double minimum, double maximum, int intervals) const {
  return render::NiceScale(minimum, maximum, intervals);
}

std::chrono::system_clock::time_point HeadlessHost::Now() const {
  return fixed_clock_ ? *fixed_clock_ : std::chrono::system_clock::now();
}

}  // namespace kpa::host
