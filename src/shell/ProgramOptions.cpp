#include "shell/ProgramOptions.h"

TProgramOptions ParseProgramOptions(const std::vector<std::string>& Params) {
  TProgramOptions O;
  auto Fail = [&O](const std::string& Problem) {
    O.Action = TProgramOptions::Unknown;
    O.Problem = Problem;
    return O;
  };
  for (std::size_t I = 0; I < Params.size(); ++I) {
    const std::string& P = Params[I];
    const bool HasValue = I + 1 < Params.size();
    if (P == "--help" || P == "-h") {
      O.Action = TProgramOptions::Help;
      return O;
    }
    if (P == "--version") {
      O.Action = TProgramOptions::Version;
      return O;
    }
    if (P == "--check-forms") {
      O.Action = TProgramOptions::CheckForms;
    } else if (P == "--check-layout") {
      O.Action = TProgramOptions::CheckLayout;
    } else if (P == "--screenshot" || P == "--play") {
      if (!HasValue) return Fail(P + " braucht einen Dateinamen");
      if (P == "--play") {
        O.Action = TProgramOptions::Play;
        O.Script = Params[++I];
      } else {
        O.Screenshot = Params[++I];
      }
    } else if (!P.empty() && P[0] == '-') {
      return Fail("unbekannte Option " + P);
    } else if (O.Action == TProgramOptions::CheckForms) {
      O.Files.push_back(P);
    } else if (O.Action == TProgramOptions::CheckLayout) {
      if (P.empty() || P.size() > 7 || P.find_first_not_of("0123456789") != std::string::npos)
        return Fail("keine Seitennummer: " + P);
      O.Pages.push_back(std::stoi(P));
    }
    // Anything else ("/Lpfad.txt") is a course switch.
  }
  return O;
}

std::string ProgramUsage() {
  return "Aufruf: velotra [Optionen] [/L<Lernpfad>] [/X<Lernpfad>] [/A<Ordner>] [/P<Ordner>] [/F<Ordner>]\n"
         "\n"
         "Optionen:\n"
         "  --help               diese Hilfe\n"
         "  --version            die Version des Programms\n"
         "  --play DATEI         ein Kursskript abspielen (Ende mit Status 0: alles erfüllt,\n"
         "                       1: eine Erwartung nicht erfüllt, 2: Skript fehlerhaft)\n"
         "  --check-forms [DATEI...]  alle Formulare des Programms (oder die Dateien) prüfen\n"
         "  --check-layout [SEITE...] alle Seiten (oder die Seiten) auf abgeschnittene und\n"
         "                       sich berührende Texte prüfen\n"
         "  --screenshot DATEI   ein Bild des Hauptfensters speichern und beenden\n"
         "\n"
         "Kursschalter:\n"
         "  /L<Datei>  Lernpfad-Datei\n"
         "  /X<Datei>  Lernpfad-Datei, nur diese Seiten sind erlaubt\n"
         "  /A<Ordner> Ordner der Kursprogramme\n"
         "  /P<Ordner> Bilderordner\n"
         "  /F<Ordner> Filmordner\n";
}
