// The host's analysis base class and the module context. One `CAnalysisSupport` stands for
// one open analysis and carries the host it runs in; the module context names the analysis
// that is current, and numerical code reaches the host only through it (`CurrentHost`).
#pragma once

#include "host/api/host.h"

namespace kpa::shell {

class CAnalysisSupport {
 public:
  explicit CAnalysisSupport(host::Host& host) : host_(host) {}
  virtual ~CAnalysisSupport() = default;
  CAnalysisSupport(const CAnalysisSupport&) = delete;
  CAnalysisSupport& operator=(const CAnalysisSupport&) = delete;

  host::Host& Host() const { return host_; }

 private:
  host::Host& host_;
};

// The module-wide context: lives as long as the module and knows the current analysis.
class CAnalysisContext {
 public:
  CAnalysisSupport* CurrentAnalysis() const { return current_; }

 private:
  friend class CEnterAnalysisContext;
  CAnalysisSupport* current_ = nullptr;
};

CAnalysisContext& ModuleContext();

// Makes an analysis current for the lifetime of the guard and restores the previous one.
class CEnterAnalysisContext {
 public:
  explicit CEnterAnalysisContext(CAnalysisSupport& analysis);
  ~CEnterAnalysisContext();
  CEnterAnalysisContext(const CEnterAnalysisContext&) = delete;
  CEnterAnalysisContext& operator=(const CEnterAnalysisContext&) = delete;

 private:
  CAnalysisSupport* previous_;
};

// The host of the current analysis. Calling it with no analysis entered is a programming
// error (every request runs inside a CEnterAnalysisContext).
host::Host& CurrentHost();

}  // namespace kpa::shell
