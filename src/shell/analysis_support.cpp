#include "shell/analysis_support.h"

#include <cassert>

namespace kpa::shell {

CAnalysisContext& ModuleContext() {
  static CAnalysisContext context;
  return context;
}

CEnterAnalysisContext::CEnterAnalysisContext(CAnalysisSupport& analysis)
    : previous_(ModuleContext().current_) {
  ModuleContext().current_ = &analysis;
}

CEnterAnalysisContext::~CEnterAnalysisContext() { ModuleContext().current_ = previous_; }

host::Host& CurrentHost() {
  CAnalysisSupport* analysis = ModuleContext().CurrentAnalysis();
  assert(analysis != nullptr && "no analysis entered");
  return analysis->Host();
}

}  // namespace kpa::shell
