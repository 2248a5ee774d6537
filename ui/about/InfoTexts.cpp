#include "ui/about/InfoTexts.h"

namespace velmora {

const char* const kInfoWebAddress = "www.velmora.example.org";
const char* const kInfoMailAddress = "kontakt@velmora.example.org";

const char* const kInfoCopyright = "© 2008–2026 Die Velmora-Entwickler";

const char* const kInfoLicence =
    "Velmora ist freie Software. Sie dürfen das Programm ohne Gebühr benutzen, kopieren, verändern "
    "und weitergeben, auch in veränderter Form, sofern dieser Lizenzhinweis und der Copyrighthinweis "
    "erhalten bleiben. Die Weitergabe erfolgt ohne jede Gewährleistung.";

// Kept word for word as it has always been shown, spelling included.
const char* const kInfoDisclaimer =
    "Das Programm wurde auf einigen, jedoch nicht allen möglichen, Systemen getestet, es wird allerdings "
    "nicht für Schäden und Probleme, die direkt oder indirekt durch dieses Programmm entstehen, gehaftet. "
    "Dafür ist ausschließlich der Lizenznehmer verantworltich.";

std::string InfoWebUrl() {
    return std::string("http://") + kInfoWebAddress;
}

std::string InfoMailUrl() {
    return std::string("mailto:") + kInfoMailAddress + "?subject=Feedback%20zu%20Velmora";
}

}  // namespace velmora
