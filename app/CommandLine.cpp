#include "app/CommandLine.h"

namespace rdo {
namespace {

constexpr const char* kUsage = "Usage : redaction-des-ordres [FICHIER.cyc]\n";

constexpr const char* kHelp =
    "\n"
    "Rédaction des Ordres : les ordres de votre équipe cycliste pour la prochaine course.\n"
    "\n"
    "Sans fichier, la fenêtre s'ouvre sur l'image des coureurs : cliquez-la, ou tapez Ctrl+O,\n"
    "pour choisir le fichier d'équipe. Avec un fichier d'équipe (.cyc), elle s'ouvre sur cette\n"
    "équipe. Ctrl+S enregistre les ordres, comme le bouton « Enregistrer Ordres ».\n"
    "\n"
    "Options :\n"
    "  -h, --help     affiche cette aide\n"
    "      --version  affiche la version\n"
    "  --             ce qui suit est un fichier, même s'il commence par « - »\n";

CommandLine answer(int exitStatus, std::string out, std::string err = {}) {
    CommandLine line;
    line.answered = true;
    line.exitStatus = exitStatus;
    line.out = std::move(out);
    line.err = std::move(err);
    return line;
}

CommandLine usageError(const std::string& fault) {
    return answer(2, {},
                  "redaction-des-ordres : " + fault + "\n" + kUsage +
                      "Pour en savoir plus : redaction-des-ordres --help\n");
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "-h" || argument == "--help")) {
            return answer(0, kUsage + std::string(kHelp));
        } else if (options && argument == "--version") {
            return answer(0, "Rédaction des Ordres " RDO_VERSION "\n");
        } else if (options && argument.size() > 1 && argument.front() == '-') {
            return usageError("option inconnue « " + argument + " »");
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() > 1) {
        return usageError("un seul fichier d'équipe à la fois (" + std::to_string(files.size()) +
                          " donnés)");
    }
    CommandLine line;
    if (!files.empty()) {
        line.teamFile = files.front();
    }
    return line;
}

}  // namespace rdo
