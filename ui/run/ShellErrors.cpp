#include "ui/run/ShellErrors.h"

namespace velmora {

bool IsShellSuccess(std::uintptr_t result) {
    return result >= 32;
}

// The texts keep their established wording, misspellings included: users and
// documentation quote them as they are.
std::string ShellErrorExplanation(std::uintptr_t code) {
    switch (code) {
        case 0:
            return "Der Platz im Arbeitsspeicher reicht nicht aus, die auszuführende Datei ist "
                   "beschädigt, oder die Programmverschiebung war ungültig.";
        case 2: return "Die Datei wurde nicht gefunden.";
        case 3: return "Der Dateipfad wurde nicht gefunden.";
        case 5:
            return "Es wurde versucht, einen Task dynamisch zu verlinken, oder es gab einen "
                   "Zugriffs- oder Netzwerkschutz-Fehler.";
        case 6: return "Eine Bibilothek benötigt seperate Datensegmente jeden Task.";
        case 8: return "Der Speicher reicht nicht aus, um die Anwendung zu starten.";
        case 10: return "Falsche Windows-Version";
        case 11:
            return "Die auszuführende Datei ist ungültig. Entweder ist sie keine gültige "
                   "Win32-Anwendung, oder die Datei ist beschädigt.";
        case 12: return "Die Anwendung wurde für ein anderes Betriebssystem entwickelt.";
        case 13: return "Die Anwendung wurde für MS-DOS 4.0 entwickelt.";
        case 14: return "Unbekannter Dateityp";
        case 15: return "Es wurde versucht, eine Real-Mode-Anwendung zu starten";
        case 16:
            return "Es wurde versucht, eine zweite Instanz einer Anwendung zu starten, die mehrere "
                   "Datensegmente beinhaltet, die nicht als \"nur lesbar\" markiertwurden.";
        case 19:
            return "Es wurde versucht, eine gepackte Anwendung zu starten. Die Anwendung muss "
                   "entpackt werden, bevor sie geladen werden kann.";
        case 20:
            return "Einer der Dynamic-Link-Librarys, die für diese Anwendung benötigt werden, ist "
                   "ungültig";
        case 21: return "Die Anwendug benötigt eine Microsoft Windows 32Bit-Erweiterung.";
        default: return std::string();
    }
}

std::string ShellFailurePrefix(const std::string& text) {
    return "Die Datei \"" + text +
           "\" (oder eine ihrer Komponenten) wurde nicht gefunden. Stellen Sie sicher, dass "
           "die Pfad- und Dateinamenangaben stimmen und alle erforderlichen Bibilotheken "
           "verfügbar sind.";
}

std::string ShellFailureMessage(const std::string& text, std::uintptr_t code) {
    std::string message = ShellFailurePrefix(text);
    const std::string explanation = ShellErrorExplanation(code);
    if (!explanation.empty()) message += "\r\r" + explanation;
    return message;
}

}  // namespace velmora
