#pragma once
// Page 1010, the term calculator game "VavoRever": a board of 8 × 8 term
// cells on which the pupil walks from cell to neighbouring cell; each step
// evaluates the cell's term with the running number x, the previous value y
// and the parameters a..e from the grid. The rules live in TVavoReverGame;
// the page mirrors the game's state in its controls after every action.
#include <array>
#include <memory>

#include "pages/aufgaben/VavoReverGame.h"
#include "platform/Forms.h"

class TImage;
class TLabel;
class TMMTerm;
class TPCPanel;
class TStringGrid;

class TfmTAVavorever : public TForm {
  Q_OBJECT
 public:
  explicit TfmTAVavorever(QWidget* Parent = nullptr);
  ~TfmTAVavorever() override;

  static constexpr int CellWidth = 80;
  static constexpr int CellHeight = 39;

  // The board cell in Row, Column (0..7 each, row 0 at the top).
  TMMTerm* BoardCell(int Row, int Column) const;
  const TVavoReverGame& Game() const { return *FGame; }
  // Takes the parameters a..e from Source from now on; the game starts
  // again in its design state (demonstrations and tests).
  void SetParameterSource(TVavoReverGame::TParameterSource Source);

 public slots:
  void FormCreate(QObject* Sender);
  // "&Start": (re)starts the current level.
  void PCVGlassButton1Click(QObject* Sender);
  // Shared by the 64 cells: a click is a move onto the cell.
  void MMTerm1Click(QObject* Sender);

 private:
  // Copies the game's state into the cells, labels, grid and board panel.
  void ShowState();
  void ShowBackground();

  std::unique_ptr<TVavoReverGame> FGame;
  std::array<std::array<TMMTerm*, TVavoReverGame::BoardSize>, TVavoReverGame::BoardSize> FBoard{};
  TStringGrid* FGrid = nullptr;
  TPCPanel* FBoardPanel = nullptr;
  int FShownBackground = 0;
};
