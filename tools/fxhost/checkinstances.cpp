// Many instances alive at once, each its own: opened, given its own parameter
// value and closed, round after round.
#include <memory>
#include <set>
#include <vector>

#include "checks.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "isolated.h"
#include "names.h"
#include "opcodes.h"

namespace {
constexpr int kRounds = 3;
constexpr int kInstances = 16;

// Answers whether the instances had a parameter to compare.
bool round(const PluginLibrary& library) {
    std::vector<std::unique_ptr<HostedEffect>> effects;
    std::set<AEffect*> records;
    for (int i = 0; i < kInstances; ++i) {
        effects.push_back(std::make_unique<HostedEffect>(library.entry(), HostRecorder::callback));
        effects.back()->dispatch(effOpen);
        if (!records.insert(effects.back()->record()).second) {
            throw CheckFailure("two live instances share one record");
        }
    }
    if (effects.front()->record()->numParams < 1) return false;
    // Each instance reads back what it read right after its own write, so a
    // plug-in that rounds its values still passes.
    std::vector<float> own;
    for (int i = 0; i < kInstances; ++i) {
        effects[i]->setParameter(0, static_cast<float>(i) / (kInstances - 1));
        own.push_back(effects[i]->getParameter(0));
    }
    for (int i = 0; i < kInstances; ++i) {
        const float now = effects[i]->getParameter(0);
        if (now != own[i]) {
            throw CheckFailure("instance " + std::to_string(i) + " reads parameter 0 as " +
                               shortestText(now) + " after the others were set, not " +
                               shortestText(own[i]));
        }
    }
    return true;
}
} // namespace

std::string checkInstances(const PluginLibrary& library) {
    bool compared = false;
    for (int r = 0; r < kRounds; ++r) {
        checkStep("round " + std::to_string(r + 1));
        compared = round(library);
    }
    return std::to_string(kRounds) + " rounds of " + std::to_string(kInstances) +
           " instances opened and closed" +
           (compared ? ", each keeping its own parameter value" : "");
}
