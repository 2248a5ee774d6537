// German texts for system error codes. The program carries its own table
// for the codes it expects instead of asking the system for a message, so
// the texts are the same on every Windows language.
#include "process/SystemExt.h"

#include <iterator>

namespace velmora {

namespace {

// Indexed by error code; codes 8 and 9 deliberately have no text.
constexpr const char* kErrorTexts[] = {
    "Die Operation wurde erfolgreich beendet.",
    "Ungültige Funktion.",
    "Die Datei wurde nicht gefunden.",
    "Der Dateipfad wurde nicht gefunden.",
    "Zu viele Dateien geöffnet.",
    "Zugriff verweigert.",
    "Ungültiges Handle.",
    "Der benötigte Speicher wurde geleert.",
    nullptr,
    nullptr,
    "Falsche Umgebung.",
    "Es wurde versucht, ein Programm mit einem falschen Format zu laden.",
    "Ungültiger Zugriffscode",
    "Ungültige Daten",
    "Es ist nicht genügend Speicher vorhanden, um diese Operation durchzuführen.",
    "Das Laufwerk wurde nicht gefunden.",
    "Der Ordner konnte nicht gelöscht werden.",
    "Das System kann die Datei nicht auf ein anderes Laufwerk verschieben.",
    "Es wurde keine weiteren Dateien gefunden.",
    "Das Medium ist schreibgeschützt.",
    "Das Gerät wurde nicht gefunden.",
    "Das Gerät ist nicht bereit.",
    "Das Gerät konnte die Anweisung nicht ausführen.",
    "Daten-Fehler.",
    "Die Länge der Anweisung ist falsch.",
    "Das Laufwerk konnte nicht zu einer angegebenen Position springen.",
    "Auf das Medium konnte nicht zugegriffen werden.",
    "Der Sektor wurde nicht gefunden.",
    "Der Drucker hat kein Papier mehr.",
    "Das System konnte nicht auf das Gerät schreiben.",
    "Das Gerät konnte nicht gelesen werden.",
    "Das Laufwerk funktioniert nicht.",
    "Die Datei wird bereits von einem anderen Prozess verwendet.",
    "Auf die Datei konnte nicht zugegriffen werden, weil sie von einem anderen Programm "
    "gesperrt wurde.",
};

static_assert(std::size(kErrorTexts) == 34, "one slot per code 0 to 33");

}  // namespace

// Codes without a text are shown as numbers, read as signed 32-bit values so
// that status-style codes with the top bit set come out negative.
std::string ErrorCodeText(std::uint32_t code) {
    if (code < std::size(kErrorTexts) && kErrorTexts[code] != nullptr) return kErrorTexts[code];
    return "Fehlercode: " + std::to_string(static_cast<std::int32_t>(code));
}

// Reads the last error itself, so the caller must make no other system call
// between the failure and this one.
std::string GetLastErrorText(ISystem& system) {
    return ErrorCodeText(system.GetLastError());
}

}  // namespace velmora
