#include "shell/LernstandJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>

#include "shell/LernstandText.h"

namespace {

struct EDamaged {
  QString Reason;
};

// A JSON number that is a whole number from Min to Max.
long long WholeNumber(const QJsonValue& Value, long long Min, long long Max, const QString& What) {
  if (!Value.isDouble()) throw EDamaged{What + QStringLiteral(" ist keine Zahl")};
  const double D = Value.toDouble();
  if (!std::isfinite(D) || D != std::floor(D) || D < static_cast<double>(Min) || D > static_cast<double>(Max))
    throw EDamaged{What + QStringLiteral(" liegt außerhalb von %1 … %2").arg(Min).arg(Max)};
  return static_cast<long long>(D);
}

int PageNumber(const QJsonValue& Value, const QString& What) {
  return static_cast<int>(WholeNumber(Value, 1, TLernstand::MaxPageNumber, What));
}

// A member key naming a page: the decimal number as this program writes it.
int PageOfKey(const QString& Key) {
  bool Ok = false;
  const int Page = Key.toInt(&Ok);
  if (!Ok || !TLernstand::IsPageNumber(Page) || QString::number(Page) != Key)
    throw EDamaged{QStringLiteral("„%1“ ist keine Seitennummer").arg(Key)};
  return Page;
}

TPageProgress ReadProgress(const QJsonValue& Value, int Page) {
  const QString What = QStringLiteral("Seite %1").arg(Page);
  if (!Value.isObject()) throw EDamaged{What + QStringLiteral(" ist kein Objekt")};
  const QJsonObject O = Value.toObject();
  TPageProgress P;
  const QJsonValue Solved = O.value(QStringLiteral("solved"));
  if (!Solved.isUndefined()) {
    if (!Solved.isBool()) throw EDamaged{What + QStringLiteral(": „solved“ ist kein Wahrheitswert")};
    P.Solved = Solved.toBool();
  }
  const QJsonValue First = O.value(QStringLiteral("firstSolved"));
  if (P.Solved) {
    const std::optional<TLernstandTime> When =
        First.isString() ? ParseIsoTime(First.toString().toStdString()) : std::nullopt;
    if (!When) throw EDamaged{What + QStringLiteral(": „firstSolved“ ist kein Zeitpunkt")};
    P.FirstSolved = *When;
  } else if (!First.isUndefined() && !First.isNull()) {
    throw EDamaged{What + QStringLiteral(": „firstSolved“ bei einer ungelösten Seite")};
  }
  const QJsonValue Checks = O.value(QStringLiteral("checks"));
  if (!Checks.isUndefined()) P.Checks = static_cast<int>(WholeNumber(Checks, 0, TLernstand::MaxChecks, What + QStringLiteral(": „checks“")));
  return P;
}

TLernstand Read(const QByteArray& Data) {
  QJsonParseError Error;
  const QJsonDocument Document = QJsonDocument::fromJson(Data, &Error);
  if (Error.error != QJsonParseError::NoError)
    throw EDamaged{QStringLiteral("kein gültiges JSON (%1 bei Zeichen %2)").arg(Error.errorString()).arg(Error.offset)};
  if (!Document.isObject()) throw EDamaged{QStringLiteral("kein JSON-Objekt")};
  const QJsonObject Root = Document.object();

  const QJsonValue Format = Root.value(QStringLiteral("format"));
  if (Format.isUndefined()) throw EDamaged{QStringLiteral("die Formatangabe fehlt")};
  const long long Version = WholeNumber(Format, 1, 1000000, QStringLiteral("„format“"));
  if (Version > TLernstand::Format)
    throw EDamaged{QStringLiteral("Format %1 stammt von einer neueren Fassung des Programms").arg(Version)};

  TLernstand L;
  const QJsonValue Pupil = Root.value(QStringLiteral("pupil"));
  if (!Pupil.isUndefined() && !Pupil.isNull()) {
    if (!Pupil.isString()) throw EDamaged{QStringLiteral("„pupil“ ist kein Text")};
    L.SetPupil(Pupil.toString().toStdString());
  }
  const QJsonValue Last = Root.value(QStringLiteral("lastPage"));
  if (!Last.isUndefined() && !Last.isNull()) L.SetLastPage(PageNumber(Last, QStringLiteral("„lastPage“")));

  const QJsonValue Pages = Root.value(QStringLiteral("pages"));
  if (!Pages.isUndefined()) {
    if (!Pages.isObject()) throw EDamaged{QStringLiteral("„pages“ ist kein Objekt")};
    const QJsonObject O = Pages.toObject();
    for (auto It = O.begin(); It != O.end(); ++It) {
      const int Page = PageOfKey(It.key());
      L.SetProgress(Page, ReadProgress(It.value(), Page));
    }
  }

  const QJsonValue Visits = Root.value(QStringLiteral("visits"));
  if (!Visits.isUndefined()) {
    if (!Visits.isArray()) throw EDamaged{QStringLiteral("„visits“ ist keine Liste")};
    const QJsonArray A = Visits.toArray();
    std::vector<int> Way;
    Way.reserve(static_cast<std::size_t>(A.size()));
    for (const QJsonValue& V : A) Way.push_back(PageNumber(V, QStringLiteral("Ein Besuch")));
    L.SetVisits(std::move(Way));
  }
  return L;
}

}  // namespace

QByteArray LernstandToJson(const TLernstand& Lernstand) {
  QJsonObject Root;
  Root.insert(QStringLiteral("format"), TLernstand::Format);
  if (!Lernstand.Pupil().empty()) Root.insert(QStringLiteral("pupil"), QString::fromStdString(Lernstand.Pupil()));
  if (Lernstand.LastPage() != NoPage) Root.insert(QStringLiteral("lastPage"), Lernstand.LastPage());
  QJsonObject Pages;
  for (const auto& [Page, P] : Lernstand.Pages()) {
    QJsonObject O;
    O.insert(QStringLiteral("solved"), P.Solved);
    if (P.Solved) O.insert(QStringLiteral("firstSolved"), QString::fromStdString(P.FirstSolved.IsoText()));
    O.insert(QStringLiteral("checks"), P.Checks);
    Pages.insert(QString::number(Page), O);
  }
  Root.insert(QStringLiteral("pages"), Pages);
  QJsonArray Visits;
  for (int Page : Lernstand.Visits()) Visits.append(Page);
  Root.insert(QStringLiteral("visits"), Visits);
  return QJsonDocument(Root).toJson(QJsonDocument::Indented);
}

TLernstandJsonReading LernstandFromJson(const QByteArray& Data) {
  TLernstandJsonReading R;
  try {
    R.Lernstand = Read(Data);
    R.Ok = true;
  } catch (const EDamaged& E) {
    R.Error = E.Reason;
  }
  return R;
}

TLernstandJsonReading ReadAnyLernstand(const QByteArray& Data) {
  qsizetype Start = Data.startsWith(QByteArray::fromRawData(Utf8Bom.data(), static_cast<qsizetype>(Utf8Bom.size())))
                        ? static_cast<qsizetype>(Utf8Bom.size())
                        : 0;
  while (Start < Data.size() && (Data[Start] == ' ' || Data[Start] == '\t' || Data[Start] == '\r' || Data[Start] == '\n'))
    ++Start;
  if (Start < Data.size() && Data[Start] == '{') return LernstandFromJson(Data.mid(Start));
  const TLernstandReading Csv = ReadLernstandCsv(std::string_view(Data.constData(), static_cast<std::size_t>(Data.size())));
  TLernstandJsonReading R;
  R.Ok = Csv.Ok;
  R.Lernstand = Csv.Lernstand;
  R.Error = QString::fromStdString(Csv.Error);
  return R;
}
