#include <gtest/gtest.h>

#include "shell/CommandLine.h"

TEST(CommandLine, Switches) {
  struct Case {
    std::vector<std::string> Params;
    const char* Application;
    const char* Pictures;
    const char* Films;
    const char* LearnPath;
    bool Exclusive;
  } Cases[] = {
      {{}, "", "Bilder\\", "Filme\\", "", false},
      {{"/Lpfad.txt"}, "", "Bilder\\", "Filme\\", "pfad.txt", false},
      {{"/lpfad.txt"}, "", "Bilder\\", "Filme\\", "pfad.txt", false},
      {{"/La.txt", "/Lb.txt"}, "", "Bilder\\", "Filme\\", "b.txt", false},
      {{"/Xweg.txt"}, "", "Bilder\\", "Filme\\", "weg.txt", true},
      {{"/x/home/kurs/weg.txt"}, "", "Bilder\\", "Filme\\", "/home/kurs/weg.txt", true},
      {{"/X"}, "", "Bilder\\", "Filme\\", "", false},
      {{"/Xweg.txt", "/Lpfad.txt"}, "", "Bilder\\", "Filme\\", "pfad.txt", false},
      {{"/L", "/Xweg.txt"}, "", "Bilder\\", "Filme\\", "weg.txt", true},
      {{"/Lpfad.txt", "/L"}, "", "Bilder\\", "Filme\\", "", false},
      {{"/P", "/F"}, "", "Bilder\\", "Filme\\", "", false},
      {{"/pFotos/", "/fVideo\\", "/aC:\\Kurs\\"}, "C:\\Kurs\\", "Fotos/", "Video\\", "", false},
      {{"Lpfad.txt", "-Lpfad.txt", "/", "", "//Lpfad.txt"}, "", "Bilder\\", "Filme\\", "", false},
  };
  for (const Case& C : Cases) {
    const TCommandLine Line(C.Params);
    SCOPED_TRACE(C.Params.empty() ? "(none)" : C.Params.front());
    EXPECT_EQ(Line.ApplicationFolder(), C.Application);
    EXPECT_EQ(Line.PictureFolder(), C.Pictures);
    EXPECT_EQ(Line.FilmFolder(), C.Films);
    EXPECT_EQ(Line.LearnPathFile(), C.LearnPath);
    EXPECT_EQ(Line.Exclusive(), C.Exclusive);
  }
}

TEST(CommandLine, ValuesAreCutTo255BytesOnACharacterBoundary) {
  EXPECT_EQ(TCommandLine({"/L" + std::string(300, 'a')}).LearnPathFile(), std::string(255, 'a'));
  // "ü" would straddle byte 255: it goes as a whole.
  EXPECT_EQ(TCommandLine({"/L" + std::string(254, 'a') + "ü"}).LearnPathFile(), std::string(254, 'a'));
}

TEST(CommandLine, ProgramNameIsNoParameter) {
  const char* Argv[] = {"/Lprogramm", "/Lpfad.txt"};
  EXPECT_EQ(TCommandLine::FromArgs(2, Argv).LearnPathFile(), "pfad.txt");
  EXPECT_EQ(TCommandLine::FromArgs(1, Argv).LearnPathFile(), "");
}
