#include "FormTestComponents.h"

#include <QPainter>
#include <QtEndian>
#include <stdexcept>

#include "platform/ComponentRegistry.h"
#include "platform/PlatformClasses.h"

std::vector<QString>& TestLog() {
  static std::vector<QString> Log;
  return Log;
}

void TTestPoint::SetFixType(TTestFix V) {
  FFixType = V;
  FFixedX = FX;
  FFixedY = FY;
}

TTestScene::TTestScene(QWidget* Parent)
    : TControl(Parent),
      FPoints(new TCollection(TCollection::ItemsOf<TTestPoint>(), this)),
      FGrid(new TTestGrid(this)),
      FPicture(new TTestPicture(this)),
      FPen(new TPen(this)) {
  SetBounds(0, 0, 120, 80);
}

bool TTestPicture::ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) {
  if (Name != QLatin1String("Data")) return false;
  FData = Bytes;
  return true;
}

void TTestPicture::WriteBinaryProperties(TBinaryProperties& Out) const {
  if (!FData.isEmpty()) Out.append({QStringLiteral("Data"), FData});
}

void TTestScene::SetStrict(int V) {
  if (V < 0) throw std::invalid_argument("Strict must not be negative");
  FStrict = V;
}

void TTestScene::Loaded() {
  FSawLoadingFlag = IsLoading();
  TestLog().push_back(QStringLiteral("Loaded ") + objectName());
  if (FFailOnLoad) throw std::runtime_error("Zuviele richtige Antworten (>16)");
}

bool TTestScene::ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) {
  if (Name != QLatin1String("FPoints")) return false;
  if (Bytes.size() < 4) throw std::runtime_error("FPoints is too short");
  quint32 Count = qFromLittleEndian<quint32>(Bytes.constData());
  if (Count > 1000 || Bytes.size() != static_cast<qsizetype>(4 + 8 * Count))
    throw std::runtime_error("FPoints does not hold the points it announces");
  FRawPoints.clear();
  for (quint32 I = 0; I < Count; ++I) {
    const char* P = Bytes.constData() + 4 + 8 * I;
    FRawPoints.emplace_back(qFromLittleEndian<qint32>(P), qFromLittleEndian<qint32>(P + 4));
  }
  return true;
}

void TTestScene::WriteBinaryProperties(TBinaryProperties& Out) const {
  if (FRawPoints.empty()) return;
  QByteArray Bytes(static_cast<qsizetype>(4 + 8 * FRawPoints.size()), '\0');
  qToLittleEndian<quint32>(static_cast<quint32>(FRawPoints.size()), Bytes.data());
  for (std::size_t I = 0; I < FRawPoints.size(); ++I) {
    qToLittleEndian<qint32>(FRawPoints[I].first, Bytes.data() + 4 + 8 * I);
    qToLittleEndian<qint32>(FRawPoints[I].second, Bytes.data() + 8 + 8 * I);
  }
  Out.append({QStringLiteral("FPoints"), Bytes});
}

void TTestScene::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(Color()));
  P.setPen(TColorToQColor(FGrid->FColor));
  for (int I = 0; I < FPoints->Count(); ++I) {
    auto* Point = static_cast<TTestPoint*>(FPoints->Item(I));
    P.drawEllipse(QPointF(Point->X(), Point->Y()), 4, 4);
  }
  for (const auto& [X, Y] : FRawPoints) P.drawRect(X - 2, Y - 2, 4, 4);
}

void TTestTimer::Loaded() { TestLog().push_back(QStringLiteral("Loaded ") + objectName()); }

void TfmFormDemo::FormCreate(QObject* Sender) { Calls << QStringLiteral("FormCreate ") + Sender->objectName(); }

void TfmFormDemo::SceneClick(QObject* Sender) { Calls << QStringLiteral("SceneClick ") + Sender->objectName(); }

void TfmFormDemo::SceneHyperjump(QObject* Sender, const QString& URL) {
  Calls << QStringLiteral("SceneHyperjump %1 %2").arg(Sender->objectName(), URL);
}

void TfmFormDemo::PointDrag(QObject*, int& X, int& Y) {
  X += 1;
  Y = 2 * Y;
}

void TfmFormDemo::NotAHandler() {}

void TfmFormDemoPlus::SceneClick(QObject* Sender) { Calls << QStringLiteral("PlusClick ") + Sender->objectName(); }

void TfmFormDemoPlus::ExtraClick(QObject*) { Calls << QStringLiteral("ExtraClick"); }

void RegisterTestClasses() {
  RegisterPlatformClasses();
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TTestScene>();
  R.RegisterClass<TTestTimer>();
  R.RegisterForm<TfmFormDemo>();
  R.RegisterForm<TfmFormDemoPlus>();
  R.RegisterEvent("OnHyperjump", &TTestScene::OnHyperjump);
  R.RegisterEvent("OnTimer", &TTestTimer::OnTimer);
  R.RegisterEvent("OnClick", &TTestPoint::OnClick);
  R.RegisterEvent("OnDrag", &TTestPoint::OnDrag);
  R.RegisterEnum<TTestFix>({{"tfNone", tfNone}, {"tfFixed", tfFixed}, {"tfRadius", tfRadius}});
  R.RegisterIdents<TTestPoint>("Kind", IdentTable({{"skNone", 0}, {"skCircle", 3}, {"skLine", 7}}));
}
