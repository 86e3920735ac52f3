#pragma once
// Small components that exercise every kind of published value, and two
// form classes with handlers, for the form reader and writer tests.
#include <QByteArray>
#include <QStringList>
#include <vector>

#include "platform/Collections.h"
#include "platform/Forms.h"
#include "platform/StdControls.h"

// Kept by the tests: Loaded() calls and handler calls, in order.
std::vector<QString>& TestLog();

enum TTestFix { tfNone, tfFixed, tfRadius };

class TTestPoint : public TCollectionItem {
  Q_OBJECT
  Q_PROPERTY(double X READ X WRITE SetX)
  Q_PROPERTY(double Y READ Y WRITE SetY)
  Q_PROPERTY(QString Name MEMBER FName)
  Q_PROPERTY(TTestFix FixType READ FixType WRITE SetFixType)
  Q_PROPERTY(int Kind MEMBER FKind)
 public:
  using TCollectionItem::TCollectionItem;
  TNotifyEvent OnClick;
  TNotifyXYEvent OnDrag;

  double X() const { return FX; }
  void SetX(double V) { FX = V; }
  double Y() const { return FY; }
  void SetY(double V) { FY = V; }
  TTestFix FixType() const { return FFixType; }
  // Fixing a point keeps the coordinates it has at that moment.
  void SetFixType(TTestFix V);

  double FX = 0, FY = 0, FFixedX = -1, FFixedY = -1;
  QString FName;
  TTestFix FFixType = tfNone;
  int FKind = 0;
};

class TTestGrid : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Color MEMBER FColor)
  Q_PROPERTY(bool Visible MEMBER FVisible)
  Q_PROPERTY(int XSize MEMBER FXSize)
  Q_PROPERTY(QObject* Owner MEMBER FOwner)
 public:
  using QObject::QObject;
  int FColor = 0;
  bool FVisible = false;
  int FXSize = 16;
  QObject* FOwner = nullptr;
};

// A nested object whose bytes arrive through the binary hook ("Picture.Data").
class TTestPicture : public QObject, public TStreamable {
  Q_OBJECT
 public:
  using QObject::QObject;
  bool ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) override;
  void WriteBinaryProperties(TBinaryProperties& Out) const override;
  QByteArray FData;
};

class TTestScene : public TControl {
  Q_OBJECT
 public:
  enum TMode { mdPlain, mdFancy, mdWild };
  Q_ENUM(TMode)
  enum TOption { opNone = 0, opSnap = 1, opGrid = 2, opFrame = 4 };
  Q_DECLARE_FLAGS(TOptions, TOption)
  Q_FLAG(TOptions)

 private:
  Q_PROPERTY(TCollection* Points READ Points)
  Q_PROPERTY(TTestGrid* Grid READ Grid)
  Q_PROPERTY(TTestPicture* Picture READ Picture)
  Q_PROPERTY(TPen* Pen READ Pen)
  Q_PROPERTY(TMode Mode MEMBER FMode)
  Q_PROPERTY(TOptions Options READ Options WRITE SetOptions)
  Q_PROPERTY(double Ratio MEMBER FRatio)
  Q_PROPERTY(qint64 Big MEMBER FBig)
  Q_PROPERTY(QStringList Items MEMBER FItems)
  Q_PROPERTY(QByteArray Blob MEMBER FBlob)
  Q_PROPERTY(bool FailOnLoad MEMBER FFailOnLoad)
  Q_PROPERTY(int Strict READ Strict WRITE SetStrict)
  Q_PROPERTY(TControl* Buddy MEMBER FBuddy)

 public:
  explicit TTestScene(QWidget* Parent = nullptr);
  TNotifyString OnHyperjump;

  TCollection* Points() const { return FPoints; }
  TTestGrid* Grid() const { return FGrid; }
  TTestPicture* Picture() const { return FPicture; }
  TPen* Pen() const { return FPen; }
  TOptions Options() const { return FOptions; }
  void SetOptions(TOptions V) { FOptions = V; }
  int Strict() const { return FStrict; }
  void SetStrict(int V);  // throws for negative values

  void Loaded() override;
  // "FPoints": a little-endian count, then that many (x, y) pairs of int32.
  bool ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) override;
  void WriteBinaryProperties(TBinaryProperties& Out) const override;

  TCollection* FPoints;
  TTestGrid* FGrid;
  TTestPicture* FPicture;
  TPen* FPen;
  TMode FMode = mdPlain;
  TOptions FOptions = opNone;
  double FRatio = 1.0;
  qint64 FBig = 0;
  QStringList FItems;
  QByteArray FBlob;
  bool FFailOnLoad = false;
  int FStrict = 0;
  TControl* FBuddy = nullptr;
  std::vector<std::pair<int, int>> FRawPoints;
  bool FSawLoadingFlag = false;

 protected:
  void paintEvent(QPaintEvent* Event) override;
};

// A non-visual component.
class TTestTimer : public QObject, public TStreamable {
  Q_OBJECT
  Q_PROPERTY(int Interval MEMBER FInterval)
  Q_PROPERTY(TControl* Target MEMBER FTarget)
 public:
  Q_INVOKABLE explicit TTestTimer(QObject* Parent = nullptr) : QObject(Parent) {}
  TNotifyEvent OnTimer;
  void Loaded() override;
  int FInterval = 1000;
  TControl* FTarget = nullptr;
};

class TfmFormDemo : public TForm {
  Q_OBJECT
  Q_PROPERTY(TLabel* Label1 MEMBER Label1)
  Q_PROPERTY(TTestScene* Scene1 MEMBER Scene1)
 public:
  using TForm::TForm;
  TLabel* Label1 = nullptr;
  TTestScene* Scene1 = nullptr;
  QStringList Calls;

 public slots:
  void FormCreate(QObject* Sender);
  virtual void SceneClick(QObject* Sender);
  void SceneHyperjump(QObject* Sender, const QString& URL);
  void PointDrag(QObject* Sender, int& X, int& Y);
  void NotAHandler();
};

// Builds on the design of TfmFormDemo and answers clicks its own way.
class TfmFormDemoPlus : public TfmFormDemo {
  Q_OBJECT
 public:
  using TfmFormDemo::TfmFormDemo;
 public slots:
  void SceneClick(QObject* Sender) override;
  void ExtraClick(QObject* Sender);
};

// Registers the platform's classes and the ones above.
void RegisterTestClasses();
