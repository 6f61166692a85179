#include "actions/Closing.h"

#include "actions/MainActions.h"
#include "actions/Recovery.h"
#include "host/Host.h"
#include "orderfile/OrdersFile.h"

namespace rdo {

bool nothingToLose(const Session& session) {
    return !session.roster.loaded || ordersFileBytes(session.roster) == session.ordersAtLoad;
}

bool closeRequested(Session& session, Host& host) {
    if (nothingToLose(session)) {
        return true;
    }
    const Question question{
        "Les ordres de cette équipe n'ont pas été enregistrés.\n\n"
        "Les enregistrer avant de quitter ?",
        {Answer::Save, Answer::Discard, Answer::Cancel},
        Answer::Save,
        Answer::Cancel};
    switch (host.ask(question)) {
        case Answer::Save:
            return saveOrders(session, host);  // a cancelled or failed save keeps every order
        case Answer::Discard:
            dropRecovery(session, host);
            return true;
        default:
            return false;
    }
}

}  // namespace rdo
