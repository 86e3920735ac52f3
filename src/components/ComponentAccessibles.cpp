#include "components/ComponentAccessibles.h"

#include <QAccessible>
#include <QHash>
#include <QLocale>
#include <vector>

#include "components/Beam.h"
#include "components/MyHtml.h"
#include "components/RRGrid.h"
#include "components/XPolygon.h"
#include "platform/GridAccessible.h"

namespace {

TLinkTitleSource& LinkTitles() {
  static TLinkTitleSource Source;
  return Source;
}

class TMiniHTMLAccessible;

// Link Index of a page text: pressing it follows the link.
class TLinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TLinkAccessible(TMiniHTMLAccessible* Text, int Index) : FText(Text), FIndex(Index) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text T) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State S;
    S.linked = true;
    S.focusable = true;
    if (!isValid() || !Html().isVisible()) S.invisible = true;
    return S;
  }
  void* interface_cast(QAccessible::InterfaceType T) override {
    return T == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& Action) override {
    if (Action == pressAction() && isValid()) Html().FollowLink(FIndex);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  TMiniHTML& Html() const;

  TMiniHTMLAccessible* FText;
  int FIndex;
};

class TMiniHTMLAccessible : public TControlAccessible {
 public:
  explicit TMiniHTMLAccessible(TMiniHTML* Html) : TControlAccessible(Html, QAccessible::StaticText) {}
  ~TMiniHTMLAccessible() override {
    for (const QAccessible::Id Id : std::as_const(FLinks)) QAccessible::deleteAccessibleInterface(Id);
  }
  bool LeftOut() const override { return Html().Plain().Text.empty() && Html().Plain().Links.empty(); }
  QString Name() const override { return QString::fromStdString(Html().Plain().Text); }
  int childCount() const override { return static_cast<int>(Html().Plain().Links.size()); }
  QAccessibleInterface* child(int Index) const override {
    if (Index < 0 || Index >= childCount()) return nullptr;
    if (const auto Found = FLinks.constFind(Index); Found != FLinks.constEnd())
      return QAccessible::accessibleInterface(*Found);
    auto* Link = new TLinkAccessible(const_cast<TMiniHTMLAccessible*>(this), Index);
    FLinks.insert(Index, QAccessible::registerAccessibleInterface(Link));
    return Link;
  }
  int indexOfChild(const QAccessibleInterface* Child) const override {
    for (auto It = FLinks.constBegin(); It != FLinks.constEnd(); ++It)
      if (QAccessible::accessibleInterface(It.value()) == Child) return It.key();
    return -1;
  }
  TMiniHTML& Html() const { return *static_cast<TMiniHTML*>(widget()); }
  bool Alive() const { return isValid(); }

 private:
  mutable QHash<int, QAccessible::Id> FLinks;
};

bool TLinkAccessible::isValid() const {
  return FText->Alive() && FIndex < static_cast<int>(Html().Plain().Links.size());
}

QAccessibleInterface* TLinkAccessible::parent() const { return FText; }

TMiniHTML& TLinkAccessible::Html() const { return FText->Html(); }

QString TLinkAccessible::text(QAccessible::Text T) const {
  if (!isValid()) return {};
  const TPlainLink& Link = Html().Plain().Links[static_cast<std::size_t>(FIndex)];
  const QString URL = QString::fromStdString(Link.URL);
  switch (T) {
    case QAccessible::Name: return Link.Text.empty() ? URL : QString::fromStdString(Link.Text);
    case QAccessible::Description: {
      const QString Title = LinkTitles() ? LinkTitles()(URL) : QString();
      return QStringLiteral("führt zur Seite „%1“").arg(Title.isEmpty() ? URL : Title);
    }
    default: return {};
  }
}

QRect TLinkAccessible::rect() const {
  if (!isValid()) return {};
  // Where the last drawing put the link's words.
  const THyperLinkList& Drawn = Html().Links();
  if (FIndex >= static_cast<int>(Drawn.size())) return FText->rect();
  QRect Area;
  for (const TXRect& R : Drawn[static_cast<std::size_t>(FIndex)]->Bounds)
    Area |= QRect(QPoint(R.Left, R.Top), QPoint(R.Right, R.Bottom));
  return QRect(Html().mapToGlobal(Area.topLeft()), Area.size());
}

class TRRGridAccessible : public TGridAccessible {
 public:
  explicit TRRGridAccessible(TRRGrid* Grid) : TGridAccessible(Grid) {}
  int rowCount() const override { return Grid().RowCount(); }
  int columnCount() const override { return Grid().ColCount(); }
  QString CellText(int Row, int Col) const override {
    const qsizetype Index = static_cast<qsizetype>(Row) * Grid().ColCount() + Col;
    if (Index < 0 || Index >= Grid().Cells().size()) return {};
    const QByteArray Markup = Grid().Cells().at(Index).toUtf8();
    const TTokens Tokens = Tokenize(std::string_view(Markup.constData(), static_cast<std::size_t>(Markup.size())));
    return QString::fromStdString(PlainText(Tokens).Text);
  }
  QRect CellRect(int Row, int Col) const override {
    const TRect R = Grid().CellRect(Col, Row);
    return QRect(R.Left, R.Top, R.Width(), R.Height());
  }
  bool IsHeading(int Row, int Col) const override { return Grid().IsFixed(Col, Row); }

 private:
  const TRRGrid& Grid() const { return *static_cast<const TRRGrid*>(widget()); }
};

// A clickable polygon is a part the pupil marks: "Teilfläche 2, markiert".
class TXPolygonAccessible : public TControlAccessible {
 public:
  explicit TXPolygonAccessible(TXPolygon* Polygon) : TControlAccessible(Polygon, QAccessible::CheckBox) {}
  bool LeftOut() const override { return !Polygon().OnClick; }
  QString Name() const override {
    const QString Part = NumberedName(widget(), QStringLiteral("Teilfläche"));
    return Polygon().Marked() ? Part + QStringLiteral(", markiert") : Part;
  }
  QAccessible::State state() const override {
    QAccessible::State S = TControlAccessible::state();
    S.checkable = true;
    S.checked = Polygon().Marked();
    return S;
  }
  QStringList actionNames() const override { return {toggleAction(), pressAction(), setFocusAction()}; }
  void doAction(const QString& Action) override {
    if ((Action == toggleAction() || Action == pressAction()) && Polygon().Enabled())
      Polygon().Click();
    else
      TControlAccessible::doAction(Action);
  }

 private:
  TXPolygon& Polygon() const { return *static_cast<TXPolygon*>(widget()); }
};

class TBeamAccessible : public TControlAccessible {
 public:
  explicit TBeamAccessible(TBeam* Beam) : TControlAccessible(Beam, QAccessible::Graphic) {}
  QString Name() const override { return QStringLiteral("Zahlenstrahl"); }
  // The scale as labelled, and the pointer only where one is drawn.
  QString Description() const override {
    const TBeamLayout L = LayoutBeam(Beam().Params());
    QStringList Parts;
    if (L.Labels.size() > 1) {
      const auto Label = [](const TBeamLabel& B) {
        return QString::fromStdString(B.Text).trimmed().replace(QLatin1Char('.'), QLatin1Char(','));
      };
      Parts << QStringLiteral("von %1 bis %2").arg(Label(L.Labels.front()), Label(L.Labels.back()));
    }
    if (L.HasPointer)
      Parts << QStringLiteral("der Zeiger steht bei %1").arg(QLocale(QLocale::German).toString(Beam().Pointer()));
    return Parts.join(QStringLiteral(", "));
  }

 private:
  const TBeam& Beam() const { return *static_cast<const TBeam*>(widget()); }
};

}  // namespace

void SetLinkTitleSource(TLinkTitleSource Source) { LinkTitles() = std::move(Source); }

void RegisterComponentAccessibles() {
  RegisterAccessible<TMiniHTML, TMiniHTMLAccessible>();
  RegisterAccessible<TRRGrid, TRRGridAccessible>();
  RegisterAccessible<TXPolygon, TXPolygonAccessible>();
  RegisterAccessible<TBeam, TBeamAccessible>();
}
