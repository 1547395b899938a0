// The distribution model: which of the 26 distributions is chosen, its
// ordered parameter list (the point x first) and the calculation settings,
// and the dispatch of PDF, CDF, upper-tail and inverse requests to the
// library.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace model {

enum class TDistType : std::uint8_t {
    distBETA,
    distBINOM,
    distBOSEEINSTEIN,
    distCAUCHY,
    distCHISQUARE,
    distEXP,
    distF,
    distFERMIDIRAC,
    distGAMMA,
    distGEOMETRIC,
    distHYPGEOMETRIC,
    distLAPLACE,
    distLOGISTIC,
    distLOGNORMAL,
    distLOGWEIBULL,
    distMAXWELL,
    distNEGBINOM,
    distNORMAL,
    distPARETO,
    distPOISSON,
    distRAYLEIGH,
    distSTUDENT,
    distTRIANGULAR,
    distUNIFORM,
    distUNIFORMD,
    distWEIBULL,
};
inline constexpr int DistTypeCount = 26;

enum class TProbParamType : std::uint8_t { ptInteger = 0, ptReal = 1 };

// Raised for a collection position outside 0 .. Count - 1.
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class TProbParameters;
class TProbDistribution;

// One parameter. Setters store what they are given: nothing checks a value
// against the valid-range text, which is for display only.
class TProbParameter {
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& AName) { FName = AName; }
    TProbParamType ParamType() const { return FParamType; }
    void SetParamType(TProbParamType AType) { FParamType = AType; }
    const std::string& ValidRange() const { return FValidRange; }
    void SetValidRange(const std::string& ARange) { FValidRange = ARange; }
    double Value() const { return FValue; }
    void SetValue(double AValue) { FValue = AValue; }

    // Value rounded to nearest with ties to even, as a 64-bit integer whose
    // low 32 bits are returned.
    std::int32_t AsInteger() const;

    TProbParameters& Collection() const { return FCollection; }

private:
    friend class TProbParameters;
    explicit TProbParameter(TProbParameters& ACollection) : FCollection(ACollection) {}

    TProbParameters& FCollection;
    std::string FName;
    TProbParamType FParamType = TProbParamType::ptReal;
    std::string FValidRange;
    double FValue = 0.0;
};

// The ordered parameters of one distribution. Items live until Clear (or
// the collection's end); their addresses stay put while they live.
class TProbParameters {
public:
    explicit TProbParameters(TProbDistribution& AOwner) : FOwner(AOwner) {}
    TProbParameters(const TProbParameters&) = delete;
    TProbParameters& operator=(const TProbParameters&) = delete;

    TProbParameter& AddParameter(const std::string& Name, TProbParamType ParamType,
                                 const std::string& ValidRange, double Value);
    // Raises EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
    TProbParameter& Items(std::int32_t Index) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(FItems.size()); }
    void Clear() { FItems.clear(); }
    TProbDistribution& Owner() const { return FOwner; }

private:
    TProbDistribution& FOwner;
    std::vector<std::unique_ptr<TProbParameter>> FItems;
};

class TProbDistribution {
public:
    TProbDistribution();
    TProbDistribution(const TProbDistribution&) = delete;
    TProbDistribution& operator=(const TProbDistribution&) = delete;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& ACaption) { FCaption = ACaption; }
    TDistType DistType() const { return FDistType; }
    // Rebuilds the parameters only when the type changes.
    void SetDistType(TDistType AType);
    std::int32_t Decimals() const { return FDecimals; }
    void SetDecimals(std::int32_t ADecimals) { FDecimals = ADecimals; }
    bool CalculateSinglePoint() const { return FCalculateSinglePoint; }
    void SetCalculateSinglePoint(bool ASingle) { FCalculateSinglePoint = ASingle; }
    double LB() const { return FLB; }
    void SetLB(double ALB) { FLB = ALB; }
    double UB() const { return FUB; }
    void SetUB(double AUB) { FUB = AUB; }
    std::int32_t NumPoints() const { return FNumPoints; }
    void SetNumPoints(std::int32_t ANumPoints) { FNumPoints = ANumPoints; }
    TProbParameters& DistParams() { return FDistParams; }
    const TProbParameters& DistParams() const { return FDistParams; }

    // Rebuilds caption and parameter list from the catalogue for DistType.
    void SetupParameters();

    // Evaluate the current distribution at item 0 (PDF, CDF) or at P (ICDF).
    // NaN where the library has no value; library exceptions pass through.
    double PDF() const;
    double CDF() const;
    double ICDF(double P) const;
    // The upper tail P(X > x) at item 0, and the x with P(X > x) = P (for a
    // discrete law the smallest whole k with P(X > k) <= P).
    double CCDF() const;
    double ICCDF(double P) const;

private:
    TProbParameters FDistParams;
    std::string FCaption;
    TDistType FDistType = TDistType::distBETA;
    std::int32_t FDecimals = 8;
    bool FCalculateSinglePoint = true;
    std::int32_t FNumPoints = 0;
    double FUB = 0.0;
    double FLB = 0.0;
};

}  // namespace model
