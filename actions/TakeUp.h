// Taking up the orders saved beside a team file, so that a mistake noticed
// after saving does not mean starting again from an empty team.
#pragma once

#include <string>
#include <vector>

#include "actions/Session.h"
#include "host/Host.h"
#include "orderfile/SavedOrders.h"

namespace rdo {

/// Run once a team is loaded: when an orders file of the same name stands
/// beside the team file and holds this team's orders, asks whether to take
/// them up; one that does not is named in a message, and the team stays
/// without orders. Returns whether orders were taken up.
bool offerSavedOrders(Session& session, Host& host);

/// "14/03/2025 à 09:05"
std::string shownTime(const LocalTime& time);

/// « FOUND. Les reprendre ? »: « Oui » (Enter) takes the orders up; `others` do not, the
/// first of them also at Escape and at the box's close button.
Question takeUpQuestion(const std::string& found, std::vector<Answer> others);

/// Gives each selected rider his saved orders as if they had been committed
/// in the orders dialog, and each saved doping; then rebuilds the totals.
void restoreOrders(Roster& roster, const std::vector<SavedRider>& riders);

}  // namespace rdo
