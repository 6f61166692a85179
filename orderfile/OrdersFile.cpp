#include "orderfile/OrdersFile.h"

#include "model/Doping.h"

namespace rdo {

std::string ordersLine(const RosterRow& row) {
    std::string line;
    for (const std::string* item : {&row.N1, &row.P1}) {
        line += *item;
        line += ',';
    }
    line += row.Check1 == 1 ? '1' : '0';
    for (const std::string* item :
         {&row.PM2, &row.PT2, &row.PL2, &row.PA2, &row.PTplus, &row.PEplus}) {
        line += ',';
        line += *item;
    }
    line += ',';
    line += dopingCode(row.Dope1);
    return line;
}

std::string ordersFileBytes(const Roster& roster) {
    std::string text = roster.cEquipe + "\r\n";
    for (const RosterRow& row : roster.rows) {
        if (row.inUse) {
            text += ordersLine(row) + "\r\n";
        }
    }
    return encodeFile(text, roster.encoding);
}

}  // namespace rdo
