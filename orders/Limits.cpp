#include "orders/Limits.h"

namespace rdo {

std::string pointsLimitMessage(int limit, const std::string& points, const char* scope) {
    return "Vous ne pouvez affecter que " + std::to_string(limit) + " " + points + " par " + scope;
}

std::string raceLimitMessage(const RaceAllocation& allocation) {
    return pointsLimitMessage(allocation.limit, allocation.name, "course");
}

std::string workedSectorsMessage() {
    return "Un coureur ne peut pas travailler sur plus de " + std::to_string(kMaxWorkedSectors) +
           " secteurs par course";
}

}  // namespace rdo
