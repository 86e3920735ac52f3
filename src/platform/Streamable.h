#pragma once
// What a component offers the form reader and writer beyond its Q_PROPERTYs.
//
// Components (controls, non-visual components, collection items, nested
// objects such as pictures) inherit this next to their Qt base:
//
//   class TXPolygon : public TControl { ... };        // TControl is streamable
//   class TPicture : public QObject, public TStreamable { ... };
//
// * Loaded() runs once the whole form is read, on every component in the
//   order the components were created (the form itself first).
// * Binary values that are not Q_PROPERTYs ("FPoints", "Data") arrive through
//   ReadBinaryProperty and are listed for writing by WriteBinaryProperties.
//   A QByteArray Q_PROPERTY needs neither: the reader sets it directly.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

using TBinaryProperties = QList<QPair<QString, QByteArray>>;

class TStreamable {
 public:
  virtual ~TStreamable() = default;

  // Called after every component of the form has been read.
  virtual void Loaded() {}

  // A binary value Name = { ... } for which there is no Q_PROPERTY. Return
  // false when Name is not one of yours (the reader reports it); throw
  // std::exception with a message when the bytes are malformed.
  virtual bool ReadBinaryProperty(const QString& Name, const QByteArray& Bytes) {
    (void)Name;
    (void)Bytes;
    return false;
  }

  // The binary values to store, in order.
  virtual void WriteBinaryProperties(TBinaryProperties& Out) const { (void)Out; }

  // Whether the writer stores the published property Name now; a value
  // that follows another one (a colour taken from the parent) is not.
  // Q_PROPERTY(... STORED false) hides a property always.
  virtual bool IsStored(const QString& Property) const {
    (void)Property;
    return true;
  }

  // True from the component's creation by the reader until just before its
  // Loaded() call; setters may skip expensive work meanwhile.
  bool IsLoading() const { return FLoading; }
  void SetLoading(bool Loading) { FLoading = Loading; }

 private:
  bool FLoading = false;
};
