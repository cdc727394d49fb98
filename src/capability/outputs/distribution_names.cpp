#include "capability/outputs/distribution_names.h"

#include "resources/ids/capability_strings.h"

namespace kpa::capability {

using shell::CapabilityDistribution;

int DistributionName(CapabilityDistribution code) {
  switch (code) {
    case CapabilityDistribution::kBeta:
      return strings::kNameBeta;
    case CapabilityDistribution::kExponential:
      return strings::kNameExponential;
    case CapabilityDistribution::kExtremeValue:
      return strings::kNameExtremeValue;
    case CapabilityDistribution::kGamma:
      return strings::kNameGamma;
    case CapabilityDistribution::kLogNormal:
      return strings::kNameLogNormal;
    case CapabilityDistribution::kNormalAndGeneral:
      return strings::kNormalName;
    case CapabilityDistribution::kRayleigh:
      return strings::kNameRayleigh;
    case CapabilityDistribution::kWeibull:
      return strings::kNameWeibull;
  }
  return strings::kNormalName;
}

int DistributionShortName(CapabilityDistribution code) {
  switch (code) {
    case CapabilityDistribution::kBeta:
      return strings::kShortBeta;
    case CapabilityDistribution::kExponential:
      return strings::kShortExponential;
    case CapabilityDistribution::kExtremeValue:
      return strings::kShortExtremeValue;
    case CapabilityDistribution::kGamma:
      return strings::kShortGamma;
    case CapabilityDistribution::kLogNormal:
      return strings::kShortLogNormal;
    case CapabilityDistribution::kNormalAndGeneral:
      return strings::kShortNormal;
    case CapabilityDistribution::kRayleigh:
      return strings::kShortRayleigh;
    case CapabilityDistribution::kWeibull:
      return strings::kShortWeibull;
  }
  return strings::kShortNormal;
}

}  // namespace kpa::capability
