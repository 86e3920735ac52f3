#include "pages/aufgaben/TAVavorever.h"

#include <utility>

#include "pages/GameMessageProcs.h"
#include "platform/Image.h"
#include "platform/StdControls.h"
#include "platform/StringGrid.h"
#include "scene/PCPanel.h"
#include "terms/MMTerm.h"

namespace {

constexpr int Size = TVavoReverGame::BoardSize;

QString Text(const std::string& Utf8) { return QString::fromStdString(Utf8); }

}  // namespace

TfmTAVavorever::TfmTAVavorever(QWidget* Parent) : TForm(Parent), FGame(std::make_unique<TVavoReverGame>()) {}

TfmTAVavorever::~TfmTAVavorever() = default;

TMMTerm* TfmTAVavorever::BoardCell(int Row, int Column) const {
  if (Row < 0 || Row >= Size || Column < 0 || Column >= Size) return nullptr;
  return FBoard[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Column)];
}

void TfmTAVavorever::SetParameterSource(TVavoReverGame::TParameterSource Source) {
  FGame = std::make_unique<TVavoReverGame>(std::move(Source));
  ShowState();
}

void TfmTAVavorever::FormCreate(QObject*) {
  // Cell k stands in row (k - 1) mod 8 and column (k - 1) div 8; its Tag
  // tells the shared click handler which cell was clicked.
  for (int K = 1; K <= Size * Size; ++K) {
    auto* Cell = Component<TMMTerm>(QStringLiteral("MMTerm%1").arg(K));
    const int Row = (K - 1) % Size;
    const int Column = (K - 1) / Size;
    Cell->SetBounds(4 + 84 * Column, 4 + 40 * Row, CellWidth, CellHeight);
    Cell->SetTag(K - 1);
    FBoard[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Column)] = Cell;
  }
  FGrid = Component<TStringGrid>(QStringLiteral("StringGrid1"));
  FBoardPanel = Component<TPCPanel>(QStringLiteral("PCPanel2"));
  for (int K = 0; K < TVavoReverGame::ParameterCount; ++K) FGrid->SetCells(K, 0, Text(FGame->GridText(0, K)));
  ShowState();
}

void TfmTAVavorever::PCVGlassButton1Click(QObject*) {
  FGame->Start();
  ShowState();
}

void TfmTAVavorever::MMTerm1Click(QObject* Sender) {
  auto* Cell = qobject_cast<TControl*>(Sender);
  if (!Cell) return;
  // A won level is announced over the board that was won; the next level is
  // shown once the pupil has closed the message.
  bool Announced = false;
  const TVavoClickResult Result =
      FGame->Click(TVavoReverGame::CellOfTag(Cell->Tag()), [this, &Announced](const TGameMessage& Message) {
        ShowState();
        ShowGameMessage(Message);
        Announced = true;
      });
  ShowState();
  if (!Announced) ShowGameMessage(Result.Message);
}

void TfmTAVavorever::ShowState() {
  if (!FGrid) return;  // the design is not loaded yet
  for (int Row = 0; Row < Size; ++Row)
    for (int Column = 0; Column < Size; ++Column) {
      TMMTerm* Cell = BoardCell(Row, Column);
      const TVavoCellState& State = FGame->Cell({Row, Column});
      Cell->SetCaption(Text(State.Caption));
      Cell->Font()->SetColor(State.FontColor);
      Cell->SetTransparent(!State.Down);
      Cell->SetDown(State.Down);
      Cell->SetEnabled(State.Enabled);
      Cell->SetVisible(State.Visible);
    }

  const TVavoLabels& Labels = FGame->Labels();
  const std::pair<const char*, const std::string*> Values[] = {
      {"Label8", &Labels.Level},  {"Label9", &Labels.Target}, {"Label7", &Labels.Moves},
      {"Label6", &Labels.Points}, {"Label11", &Labels.X},     {"Label13", &Labels.Y},
  };
  for (const auto& [Name, Value] : Values) Component<TLabel>(QLatin1String(Name))->SetCaption(Text(*Value));

  for (int Row = 1; Row <= TVavoReverGame::ParameterRows; ++Row)
    for (int K = 0; K < TVavoReverGame::ParameterCount; ++K) FGrid->SetCells(K, Row, Text(FGame->GridText(Row, K)));
  ShowBackground();
}

void TfmTAVavorever::ShowBackground() {
  // Even levels lie on the first picture, odd ones on the second.
  const int Picture = FGame->BackgroundImage();
  if (Picture == 0 || Picture == FShownBackground) return;
  FShownBackground = Picture;
  const auto* Image = Component<TImage>(Picture == 1 ? QStringLiteral("Image1") : QStringLiteral("Image2"));
  FBoardPanel->SetBackgroundMode(bmSymmFillImage);
  FBoardPanel->SetBackground(Image->Picture());
}
