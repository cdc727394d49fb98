// Registration of the sampling dialogs with the module's dialog registry.
#include "sampling/registration.h"

#include <memory>

#include "sampling/dialogs/results_dialog.h"
#include "sampling/dialogs/specification_dialog.h"

namespace kpa::sampling {

void RegisterDialogs(shell::DialogRegistry& registry) {
  registry.Register(shell::templates::kSamplingSpecification,
                    shell::MakerOf<SpecificationDialog>());
  for (const int number :
       {shell::templates::kSamplingResults, shell::templates::kSamplingResultsBinomial})
    registry.Register(number, shell::MakerOf<ResultsDialog>());
}

}  // namespace kpa::sampling
