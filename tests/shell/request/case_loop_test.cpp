// The case loop over blocks of cases: every case visited once, in file order, across block
// boundaries; excluded cases skipped; a read failure ending the loop after the cases before
// it; the host hearing of at most a thousand progress steps (and always of the last); a
// cancel seen within one of those steps.
#include "shell/request/case_loop.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "support/fake_host.h"

namespace kpa::shell {
namespace {

class CountingHost : public testing::FakeHost {
 public:
  void ProgressStep(std::int64_t done) override {
    FakeHost::ProgressStep(done);
    ++steps_heard;
  }
  bool IsCancelled() override {
    ++cancel_polls;
    return FakeHost::IsCancelled();
  }
  std::int64_t steps_heard = 0;
  std::int64_t cancel_polls = 0;
};

CountingHost HostWithCases(std::size_t cases) {
  CountingHost host;
  testing::FakeVariable x;
  x.name = "x";
  x.values.resize(cases);
  std::iota(x.values.begin(), x.values.end(), 1.0);
  host.variables.push_back(x);
  return host;
}

struct Visit {
  std::vector<std::int64_t> numbers;
  std::vector<double> values;
};

CaseLoopEnd VisitAll(CountingHost& host, Visit& visit, std::int64_t stop_after = -1) {
  Request request(host);
  CaseLoop loop;
  loop.variables = {1};
  return ForEachCase(request, loop, [&](const CaseView& c) {
    visit.numbers.push_back(c.number);
    visit.values.push_back(c.values[0].value_or(-1.0));
    return static_cast<std::int64_t>(visit.numbers.size()) == stop_after ? CaseAction::kStop
                                                                         : CaseAction::kContinue;
  });
}

TEST(CaseLoopTest, EveryCaseOnceInOrderAcrossBlocks) {
  CountingHost host = HostWithCases(1000);  // blocks of 256: the last one short
  host.excluded.assign(1000, false);
  host.excluded[255] = host.excluded[256] = host.excluded[999] = true;
  host.variables[0].values[511] = host.variables[0].missing_code;
  Visit visit;
  EXPECT_EQ(VisitAll(host, visit), CaseLoopEnd::kCompleted);
  ASSERT_EQ(visit.numbers.size(), 997u);
  for (std::size_t i = 1; i < visit.numbers.size(); ++i)
    ASSERT_LT(visit.numbers[i - 1], visit.numbers[i]);
  EXPECT_EQ(visit.numbers[255], 258);  // 256 and 257 left out
  EXPECT_EQ(visit.values[509], -1.0);  // case 512, missing, still visited as empty
  EXPECT_EQ(visit.numbers.back(), 999);
  EXPECT_EQ(host.progress_stops, 1);
}

TEST(CaseLoopTest, ReadFailureAndStopEndTheLoopWhereTheyHappen) {
  CountingHost host = HostWithCases(600);
  host.failing_case = 300;
  Visit visit;
  EXPECT_EQ(VisitAll(host, visit), CaseLoopEnd::kReadFailure);
  EXPECT_EQ(visit.numbers.size(), 299u);
  EXPECT_EQ(host.progress_stops, 1);

  Visit stopped;
  EXPECT_EQ(VisitAll(host, stopped, 257), CaseLoopEnd::kStopped);
  EXPECT_EQ(stopped.numbers.back(), 257);
}

TEST(CaseLoopTest, TheHostHearsOfAThousandStepsAndOfTheLast) {
  CountingHost host = HostWithCases(100000);
  Visit visit;
  EXPECT_EQ(VisitAll(host, visit), CaseLoopEnd::kCompleted);
  EXPECT_EQ(visit.numbers.size(), 100000u);
  EXPECT_LE(host.steps_heard, 1001);
  EXPECT_GE(host.steps_heard, 1000);
  EXPECT_EQ(host.progress_done, 100000);
  EXPECT_LE(host.cancel_polls, 1002);

  // A small file: every case is a step the host hears of.
  CountingHost small = HostWithCases(40);
  Visit few;
  VisitAll(small, few);
  EXPECT_EQ(small.steps_heard, 40);
}

TEST(CaseLoopTest, ACancelIsSeenWithinOneReportedStep) {
  CountingHost host = HostWithCases(100000);  // the host hears of every 100th case
  host.cancel_at_step = 5050;
  Visit visit;
  EXPECT_EQ(VisitAll(host, visit), CaseLoopEnd::kCancelled);
  EXPECT_GE(visit.numbers.size(), 5049u);
  EXPECT_LE(visit.numbers.size(), 5150u);

  // Outside a progress display every test asks the host.
  CountingHost quiet;
  quiet.cancel_at_step = 0;
  Request request(quiet);
  EXPECT_TRUE(request.Cancelled());
  EXPECT_EQ(quiet.cancel_polls, 1);
}

}  // namespace
}  // namespace kpa::shell
