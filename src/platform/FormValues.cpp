#include "platform/FormValues.h"

#include <QMetaEnum>
#include <QStringList>
#include <limits>

namespace {

struct TRange {
  qint64 Min;
  qint64 Max;
};

// Integer types and the values a design may give them. 32-bit values also
// take the unsigned range, so that $80000005 can name a system colour.
bool IntegerRange(int Type, TRange& Range) {
  switch (Type) {
    case QMetaType::Int:
    case QMetaType::UInt:
      Range = {std::numeric_limits<qint32>::min(), std::numeric_limits<quint32>::max()};
      return true;
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      Range = {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()};
      return true;
    case QMetaType::Short:
      Range = {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
      return true;
    case QMetaType::UShort:
      Range = {0, std::numeric_limits<quint16>::max()};
      return true;
    case QMetaType::Char:
    case QMetaType::SChar:
      Range = {std::numeric_limits<qint8>::min(), std::numeric_limits<qint8>::max()};
      return true;
    case QMetaType::UChar:
      Range = {0, std::numeric_limits<quint8>::max()};
      return true;
    default:
      return false;
  }
}

QVariant IntegerVariant(int Type, qint64 V) {
  switch (Type) {
    case QMetaType::Int:
      return QVariant(static_cast<int>(static_cast<quint32>(V)));
    case QMetaType::UInt:
      return QVariant(static_cast<uint>(static_cast<quint32>(V)));
    case QMetaType::ULong:
    case QMetaType::ULongLong:
      return QVariant(static_cast<qulonglong>(V));
    default:
      return QVariant(V);
  }
}

QString PropertyName(const QMetaProperty& P) { return QString::fromLatin1(P.name()); }

bool Mismatch(const TFormValue& Value, const QMetaProperty& P, const char* Wanted, QString& Error) {
  Error = QStringLiteral("%1 takes %2, not %3").arg(PropertyName(P), QLatin1String(Wanted), DescribeDesignValue(Value));
  return false;
}

bool IdentValue(const TIdentConverter& Idents, const TFormValue& Value, const QMetaProperty& P, qint64& Out,
                QString& Error) {
  if (Value.Kind == TFormValueKind::Integer) {
    Out = Value.Integer;
    return true;
  }
  if (Idents.IsSet) {
    if (Value.Kind != TFormValueKind::Set) return Mismatch(Value, P, "a set", Error);
    Out = 0;
    for (const std::string& Name : Value.Names) {
      qint64 Bit = 0;
      if (!Idents.IdentToValue(QString::fromStdString(Name), Bit)) {
        Error = QStringLiteral("'%1' is not an element of %2").arg(QString::fromStdString(Name), PropertyName(P));
        return false;
      }
      Out |= Bit;
    }
    return true;
  }
  if (Value.Kind != TFormValueKind::Identifier) return Mismatch(Value, P, "an identifier", Error);
  if (!Idents.IdentToValue(QString::fromStdString(Value.Text), Out)) {
    Error = QStringLiteral("'%1' is not a value of %2").arg(QString::fromStdString(Value.Text), PropertyName(P));
    return false;
  }
  return true;
}

bool EnumValue(const QMetaEnum& Enum, const TFormValue& Value, const QMetaProperty& P, qint64& Out, QString& Error) {
  auto Key = [&](const std::string& Name, qint64& V) {
    bool Ok = false;
    V = Enum.keyToValue(Name.c_str(), &Ok);
    if (!Ok) Error = QStringLiteral("'%1' is not a value of %2").arg(QString::fromStdString(Name), PropertyName(P));
    return Ok;
  };
  if (Enum.isFlag()) {
    if (Value.Kind != TFormValueKind::Set) return Mismatch(Value, P, "a set", Error);
    Out = 0;
    for (const std::string& Name : Value.Names) {
      qint64 Bit = 0;
      if (!Key(Name, Bit)) return false;
      Out |= Bit;
    }
    return true;
  }
  if (Value.Kind != TFormValueKind::Identifier) return Mismatch(Value, P, "an identifier", Error);
  return Key(Value.Text, Out);
}

}  // namespace

QString DescribeDesignValue(const TFormValue& Value) {
  switch (Value.Kind) {
    case TFormValueKind::Integer: return QStringLiteral("the integer %1").arg(Value.Integer);
    case TFormValueKind::Float: return QStringLiteral("a float");
    case TFormValueKind::String: return QStringLiteral("a string");
    case TFormValueKind::Identifier: return QStringLiteral("the identifier '%1'").arg(QString::fromStdString(Value.Text));
    case TFormValueKind::Set: return QStringLiteral("a set");
    case TFormValueKind::List: return QStringLiteral("a list");
    case TFormValueKind::Binary: return QStringLiteral("binary data");
    case TFormValueKind::Collection: return QStringLiteral("a collection");
  }
  return QStringLiteral("a value");
}

bool DesignValueToVariant(const TFormValue& Value, const QMetaObject* Class, const QMetaProperty& P,
                          const TComponentRegistry& Registry, QVariant& Out, QString& Error) {
  const int Type = P.metaType().id();
  const TIdentConverter* Idents = Registry.FindIdents(Class, P);

  if (Idents || P.isEnumType() || P.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
    qint64 V = 0;
    if (Idents) {
      if (!IdentValue(*Idents, Value, P, V, Error)) return false;
    } else if (P.isEnumType()) {
      if (!EnumValue(P.enumerator(), Value, P, V, Error)) return false;
    } else if (Value.Kind == TFormValueKind::Integer) {
      V = Value.Integer;
    } else {
      Error = QStringLiteral("%1 has no identifiers registered for its type %2").arg(PropertyName(P), P.metaType().name());
      return false;
    }
    TRange Range{};
    if (IntegerRange(Type, Range)) {
      if (V < Range.Min || V > Range.Max) {
        Error = QStringLiteral("%1 is out of range for %2").arg(V).arg(PropertyName(P));
        return false;
      }
      Out = IntegerVariant(Type, V);
    } else {
      Out = QVariant(static_cast<int>(V));  // an enumeration: Qt converts on writing
    }
    return true;
  }

  TRange Range{};
  if (IntegerRange(Type, Range)) {
    if (Value.Kind != TFormValueKind::Integer) return Mismatch(Value, P, "an integer", Error);
    if (Value.Integer < Range.Min || Value.Integer > Range.Max) {
      Error = QStringLiteral("%1 is out of range for %2").arg(Value.Integer).arg(PropertyName(P));
      return false;
    }
    Out = IntegerVariant(Type, Value.Integer);
    return true;
  }

  switch (Type) {
    case QMetaType::Bool:
      if (Value.Kind == TFormValueKind::Identifier) {
        QString Ident = QString::fromStdString(Value.Text);
        if (Ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
          Out = true;
          return true;
        }
        if (Ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
          Out = false;
          return true;
        }
      }
      return Mismatch(Value, P, "True or False", Error);
    case QMetaType::Double:
    case QMetaType::Float:
      if (Value.Kind == TFormValueKind::Float) {
        Out = Value.Float;
      } else if (Value.Kind == TFormValueKind::Integer) {
        Out = static_cast<double>(Value.Integer);
      } else {
        return Mismatch(Value, P, "a number", Error);
      }
      if (Type == QMetaType::Float) Out = static_cast<float>(Out.toDouble());
      return true;
    case QMetaType::QString:
      if (Value.Kind != TFormValueKind::String) return Mismatch(Value, P, "a string", Error);
      Out = QString::fromUtf8(Value.Text.data(), static_cast<qsizetype>(Value.Text.size()));
      return true;
    case QMetaType::QByteArray:
      if (Value.Kind != TFormValueKind::Binary) return Mismatch(Value, P, "binary data", Error);
      Out = QByteArray(Value.Text.data(), static_cast<qsizetype>(Value.Text.size()));
      return true;
    case QMetaType::QStringList: {
      if (Value.Kind != TFormValueKind::List) return Mismatch(Value, P, "a list of strings", Error);
      QStringList Lines;
      for (const TFormValue& E : Value.Elements) {
        if (E.Kind != TFormValueKind::String) {
          Error = QStringLiteral("%1 takes strings only, not %2").arg(PropertyName(P), DescribeDesignValue(E));
          return false;
        }
        Lines << QString::fromUtf8(E.Text.data(), static_cast<qsizetype>(E.Text.size()));
      }
      Out = Lines;
      return true;
    }
    default:
      Error = QStringLiteral("%1 has the type %2, which designs cannot set").arg(PropertyName(P), P.metaType().name());
      return false;
  }
}

bool VariantToDesignValue(const QVariant& Value, const QMetaObject* Class, const QMetaProperty& P,
                          const TComponentRegistry& Registry, TFormValue& Out) {
  const int Type = P.metaType().id();
  const TIdentConverter* Idents = Registry.FindIdents(Class, P);
  Out = TFormValue{};

  if (Idents || P.isEnumType() || P.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
    bool Ok = false;
    qint64 V = Value.toLongLong(&Ok);
    if (!Ok) return false;
    if (Type == QMetaType::Int) V = static_cast<qint32>(V);
    Out.Kind = TFormValueKind::Integer;
    Out.Integer = V;
    if (Idents && Idents->IsSet) {
      qint64 Rest = V;
      std::vector<std::string> Names;
      for (const auto& [Name, Bit] : Idents->Entries) {
        if (Bit != 0 && (Rest & Bit) == Bit) {
          Names.push_back(Name.toStdString());
          Rest &= ~Bit;
        }
      }
      if (Rest == 0) {
        Out.Kind = TFormValueKind::Set;
        Out.Names = std::move(Names);
      }
    } else if (Idents) {
      QString Ident;
      if (Idents->ValueToIdent(V, Ident)) {
        Out.Kind = TFormValueKind::Identifier;
        Out.Text = Ident.toStdString();
      }
    } else if (P.isEnumType()) {
      QMetaEnum Enum = P.enumerator();
      if (Enum.isFlag()) {
        Out.Kind = TFormValueKind::Set;
        QByteArray Keys = Enum.valueToKeys(static_cast<int>(V));
        for (const QByteArray& Key : Keys.split('|'))
          if (!Key.isEmpty()) Out.Names.push_back(Key.toStdString());
      } else if (const char* Key = Enum.valueToKey(static_cast<int>(V))) {
        Out.Kind = TFormValueKind::Identifier;
        Out.Text = Key;
      }
    }
    return true;
  }

  TRange Range{};
  if (IntegerRange(Type, Range)) {
    Out.Kind = TFormValueKind::Integer;
    Out.Integer = Type == QMetaType::ULongLong || Type == QMetaType::ULong ? static_cast<qint64>(Value.toULongLong())
                                                                         : Value.toLongLong();
    return true;
  }
  switch (Type) {
    case QMetaType::Bool:
      Out.Kind = TFormValueKind::Identifier;
      Out.Text = Value.toBool() ? "True" : "False";
      return true;
    case QMetaType::Double:
    case QMetaType::Float:
      Out.Kind = TFormValueKind::Float;
      Out.Float = Value.toDouble();
      return true;
    case QMetaType::QString: {
      Out.Kind = TFormValueKind::String;
      QByteArray Utf8 = Value.toString().toUtf8();
      Out.Text.assign(Utf8.constData(), static_cast<std::size_t>(Utf8.size()));
      return true;
    }
    case QMetaType::QByteArray: {
      Out.Kind = TFormValueKind::Binary;
      QByteArray Bytes = Value.toByteArray();
      Out.Text.assign(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
      return true;
    }
    case QMetaType::QStringList:
      Out.Kind = TFormValueKind::List;
      for (const QString& Line : Value.toStringList()) {
        TFormValue E;
        E.Kind = TFormValueKind::String;
        E.Text = Line.toUtf8().toStdString();
        Out.Elements.push_back(std::move(E));
      }
      return true;
    default:
      return false;
  }
}
