#pragma once
// Term trees: what a typed term becomes, how it is evaluated with values for
// its one-letter variables, printed back as text and compared. Pure C++.
//
//   TTerm
//   ├── TText           the parser's failure result "?"
//   ├── TConstant       a number
//   │   └── TVariable   a letter (case-sensitive); its Value is the current value
//   ├── TNeg            -a, one owned child (a sign typed at the start of a sum)
//   └── TDyad           two owned children, Left and Right
//       ├── TSum        a + b
//       │   └── TDif    a - b
//       ├── TMul        a * b
//       │   └── TDiv    a : b
//       │       └── TFrac  a / b
//       ├── TPower      a ^ b (Left is the base, Right the exponent)
//       └── TEquation   a = b
//
// "Is a" tests follow this inheritance (a TDif is a TSum): Term.IsA<TSum>();
// exact class tests: Term.IsExactly<TSum>().
//
// Whoever receives a tree (ParseTerm, Copy) owns it.
// The drawing operations of the term display belong after the text
// operations of each class (TDyad's after NeedsBrackets) and are implemented
// in a source file of their own.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "common/Types.h"

// An arithmetic error while evaluating (division by zero, a zero base with a
// non-integral exponent). It is meant for the application's error dialog.
class EMathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TTerm;
class TDyad;
class TCoreCanvas;

// How far a drawn term reaches above and below the text line of its
// neighbours, in pixels.
struct TVerticalExtent {
  int Above = 0;
  int Below = 0;
  friend bool operator==(const TVerticalExtent&, const TVerticalExtent&) = default;
};

// Called for a node with the Data given to ForEach; setting Stop skips the
// node's children.
using TTermVisitor = std::function<void(TTerm& Node, void* Data, bool& Stop)>;

class TTerm {
 public:
  virtual ~TTerm() = default;
  TTerm(const TTerm&) = delete;
  TTerm& operator=(const TTerm&) = delete;

  // Reads a typed term ("(a+b)^2", "0,5*x"). Never throws: a text that is
  // no term gives the TText "?". Text after a complete term is not read
  // ("2x" gives 2, "a+b)" gives a + b).
  static std::unique_ptr<TTerm> ParseTerm(const std::string& Text);
  // True when A and B agree at several fixed sample points, where every
  // letter a..z, A..Z has its own value. Sets the variables of both trees
  // (they keep the values of the last point); EMathError reaches the caller.
  static bool IsEquivalent(TTerm& A, TTerm& B);
  // Structural equality: A.IsEqual(B).
  static bool TermsEqual(const TTerm& A, const TTerm& B);

  // The node whose child is Node; null for leaves and when not found.
  virtual TTerm* FindParent(const TTerm* Node);
  const TTerm* FindParent(const TTerm* Node) const { return const_cast<TTerm*>(this)->FindParent(Node); }
  virtual std::unique_ptr<TTerm> Copy() const = 0;
  // Gives every variable named Name the value.
  virtual void SetValue(char Name, long double Value);
  // Visits this node, then (unless the visitor stops) its children's trees.
  virtual void ForEach(const TTermVisitor& Visitor, void* Data);
  // True when Node is one of this node's children.
  virtual bool HasChild(const TTerm* Node) const;
  // Same classes, same leaves, same order; no algebra.
  virtual bool IsEqual(const TTerm& Other) const = 0;
  // The value with the variables' current values; throws EMathError.
  virtual long double Evaluate() const = 0;
  // The text form, for display and for parsing again ("a - (b + c)").
  virtual std::string ToString() const = 0;
  // Drawing in mathematical layout (TermsDraw.cpp). Leaves are their text.
  // Size of the drawing (width, height).
  virtual TSize Measure(TCoreCanvas& Canvas) const;
  virtual TVerticalExtent GetVerticalExtent(TCoreCanvas& Canvas) const;
  // Text without background, its top left corner at X, Y.
  virtual void DrawText(TCoreCanvas& Canvas, int X, int Y, const std::string& Text) const;
  // The term with the top left corner of its box at X, Y. Leaves the pen in
  // the font colour; the font is as before.
  virtual void Draw(TCoreCanvas& Canvas, int X, int Y) const;
  // ToString without any space ("(a+b)^2").
  std::string ToCompactString() const;
  // "(" + ToString() + ")".
  std::string ToBracketedString() const;

  template <class T>
  bool IsExactly() const { return typeid(*this) == typeid(T); }
  template <class T>
  bool IsA() const { return dynamic_cast<const T*>(this) != nullptr; }

 protected:
  TTerm() = default;
};

class TText : public TTerm {
 public:
  explicit TText(std::string Text) : FText(std::move(Text)) {}
  const std::string& Text() const { return FText; }
  long double Value() const { return FValue; }

  std::unique_ptr<TTerm> Copy() const override;
  // A one-character text equal to Name takes the value.
  void SetValue(char Name, long double Value) override;
  bool IsEqual(const TTerm& Other) const override;
  // The text as a number; if it is none, Value for a one-character text, else 0.
  long double Evaluate() const override;
  std::string ToString() const override;

 private:
  std::string FText;
  long double FValue = 0;
};

class TConstant : public TTerm {
 public:
  explicit TConstant(long double Value) : FValue(Value) {}
  long double Value() const { return FValue; }

  std::unique_ptr<TTerm> Copy() const override;
  // True for any TConstant (a TVariable included) of exactly the same value.
  bool IsEqual(const TTerm& Other) const override;
  long double Evaluate() const override;
  std::string ToString() const override;

 protected:
  long double FValue;
};

class TVariable : public TConstant {
 public:
  explicit TVariable(char Name) : TConstant(0), FName(Name) {}
  char Name() const { return FName; }

  std::unique_ptr<TTerm> Copy() const override;
  void SetValue(char Name, long double Value) override;
  // True for a TVariable of the same name.
  bool IsEqual(const TTerm& Other) const override;
  std::string ToString() const override;

 private:
  char FName;
};

// The negated term: what a pupil means by a minus at the start of a term or
// right after "(" ("-x + 2", "(-3) * a", "-x^2" = -(x^2), "-2x" = -(2x)).
class TNeg : public TTerm {
 public:
  // Takes the operand; it may not be null.
  explicit TNeg(std::unique_ptr<TTerm> Operand);
  TTerm* Operand() { return FOperand.get(); }
  const TTerm* Operand() const { return FOperand.get(); }

  using TTerm::FindParent;
  TTerm* FindParent(const TTerm* Node) override;
  std::unique_ptr<TTerm> Copy() const override;
  void SetValue(char Name, long double Value) override;
  void ForEach(const TTermVisitor& Visitor, void* Data) override;
  bool HasChild(const TTerm* Node) const override;
  bool IsEqual(const TTerm& Other) const override;
  long double Evaluate() const override;
  // "-x", "-2 * x", "-(a + b)", "-(-x)".
  std::string ToString() const override;
  // Whether the operand is shown in brackets after the sign: a sum,
  // difference, equation or another negation.
  bool NeedsBrackets() const;
  TSize Measure(TCoreCanvas& Canvas) const override;
  TVerticalExtent GetVerticalExtent(TCoreCanvas& Canvas) const override;
  void Draw(TCoreCanvas& Canvas, int X, int Y) const override;

 private:
  std::unique_ptr<TTerm> FOperand;
};

class TDyad : public TTerm {
 public:
  TTerm* Left() { return FLeft.get(); }
  const TTerm* Left() const { return FLeft.get(); }
  TTerm* Right() { return FRight.get(); }
  const TTerm* Right() const { return FRight.get(); }

  using TTerm::FindParent;
  TTerm* FindParent(const TTerm* Node) override;
  void SetValue(char Name, long double Value) override;
  void ForEach(const TTermVisitor& Visitor, void* Data) override;
  bool HasChild(const TTerm* Node) const override;
  // Exactly the same class and equal children.
  bool IsEqual(const TTerm& Other) const override;
  // Whether child Index (0 = Left, 1 = Right) is shown in brackets next to
  // this node's operator.
  virtual bool NeedsBrackets(int Index) const = 0;
  // Both children side by side around the symbol Op, standing on one line,
  // each bracketed where NeedsBrackets says so ("*" is shown as a centred dot).
  virtual void DrawDyad(TCoreCanvas& Canvas, int X, int Y, const std::string& Op) const;
  virtual TSize MeasureDyad(TCoreCanvas& Canvas, const std::string& Op) const;
  // With the class's own symbol; the extent is the larger of the children's.
  TSize Measure(TCoreCanvas& Canvas) const override;
  TVerticalExtent GetVerticalExtent(TCoreCanvas& Canvas) const override;
  void Draw(TCoreCanvas& Canvas, int X, int Y) const override;

 protected:
  // Takes both children; neither may be null.
  TDyad(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right);
  // Left, Symbol, Right, each child bracketed where NeedsBrackets says so.
  std::string JoinText(const char* Symbol) const;
  const TTerm& L() const { return *FLeft; }
  const TTerm& R() const { return *FRight; }

 private:
  std::unique_ptr<TTerm> FLeft;
  std::unique_ptr<TTerm> FRight;
};

class TSum : public TDyad {
 public:
  TSum(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) : TDyad(std::move(Left), std::move(Right)) {}
  std::unique_ptr<TTerm> Copy() const override;
  long double Evaluate() const override;
  std::string ToString() const override;
  // Right only, when it is a negation or a number or text leaf with a
  // negative value.
  bool NeedsBrackets(int Index) const override;
};

class TDif : public TSum {
 public:
  TDif(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) : TSum(std::move(Left), std::move(Right)) {}
  std::unique_ptr<TTerm> Copy() const override;
  long double Evaluate() const override;
  std::string ToString() const override;
  // Right only, when it is a sum, difference or negation.
  bool NeedsBrackets(int Index) const override;
};

class TMul : public TDyad {
 public:
  TMul(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) : TDyad(std::move(Left), std::move(Right)) {}
  std::unique_ptr<TTerm> Copy() const override;
  long double Evaluate() const override;
  std::string ToString() const override;
  // A child that is exactly a TSum or TDif, or a negation.
  bool NeedsBrackets(int Index) const override;
  // Appends copies of the factors, Left first; factors that are products
  // (quotients included) are opened up. The caller owns the copies.
  void CollectFactors(std::vector<std::unique_ptr<TTerm>>& List) const;
};

class TDiv : public TMul {
 public:
  TDiv(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) : TMul(std::move(Left), std::move(Right)) {}
  std::unique_ptr<TTerm> Copy() const override;
  // Throws EMathError("Division durch Null") for a zero divisor.
  long double Evaluate() const override;
  // "a / b", each child in brackets when it has children.
  std::string ToString() const override;
  // A child that is a sum, difference, quotient or negation.
  bool NeedsBrackets(int Index) const override;
};

class TFrac : public TDiv {
 public:
  TFrac(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) : TDiv(std::move(Left), std::move(Right)) {}
  std::unique_ptr<TTerm> Copy() const override;
  // Never: the fraction bar groups both parts.
  bool NeedsBrackets(int Index) const override;
  // Numerator over denominator, two points smaller, the bar at mid-height.
  TSize Measure(TCoreCanvas& Canvas) const override;
  TVerticalExtent GetVerticalExtent(TCoreCanvas& Canvas) const override;
  void Draw(TCoreCanvas& Canvas, int X, int Y) const override;
};

class TPower : public TDyad {
 public:
  TPower(std::unique_ptr<TTerm> Base, std::unique_ptr<TTerm> Exponent)
      : TDyad(std::move(Base), std::move(Exponent)) {}
  std::unique_ptr<TTerm> Copy() const override;
  // Integral exponents by repeated multiplication; otherwise 0 for a
  // negative base, EMathError for a zero base, exp(e * ln b) else.
  long double Evaluate() const override;
  // "a^2", "(a + b)^(n + 1)", "(a^2)^3".
  std::string ToString() const override;
  // The base when it is a sum, product, quotient, power or negation.
  bool NeedsBrackets(int Index) const override;
  // The exponent raised to the top, at 0.7 of the size.
  TSize Measure(TCoreCanvas& Canvas) const override;
  void Draw(TCoreCanvas& Canvas, int X, int Y) const override;
};

class TEquation : public TDyad {
 public:
  TEquation(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) : TDyad(std::move(Left), std::move(Right)) {}
  std::unique_ptr<TTerm> Copy() const override;
  // 1 when both sides have exactly the same value, else 0.
  long double Evaluate() const override;
  std::string ToString() const override;
  bool NeedsBrackets(int Index) const override;
};

// Makes Term fit a room of Room.cx x Room.cy pixels: while its drawing in
// the canvas's font is wider or taller than the room, the font's character
// height steps down one pixel at a time, but not below MinHeight pixels.
// The canvas keeps the font found; true when the term fits in it.
bool FitTermFont(TCoreCanvas& Canvas, const TTerm& Term, TSize Room, int MinHeight);
