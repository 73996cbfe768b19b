#pragma once
// Rectangular reinforced-concrete section checked by the cracked elastic
// method with a modular ratio, and the design of its tension steel.
// Units: N, mm, MPa (N/mm2); the reinforcement window converts from kN and m.
//
// Frame: depth is measured from the compressed edge. A positive M compresses
// the reference edge (depth 0); a negative M compresses the opposite edge,
// and the section is then evaluated mirrored about its mid-depth: the sign
// of M only tells which face is compressed, Ast is always the steel at the
// tension face (depth H - h1 from the compressed edge) and A1st the steel at
// the compressed face (depth h1). This is how Progetto reads a signed area.
//
// Errors: where the cracked section cannot be solved (no reacting area, no
// stiffness, a zero effective depth) or a value overflows, Verifica throws
// tavo::ErroreCalcolo; so do Progetto and Illinois on data they cannot work
// with. Nothing non-finite is ever left in the fields.

#include <cstdint>
#include <string>
#include <variant>

namespace tavo {

// A root from the polynomial solvers, or the text saying why there is none.
using RadiceEquazione = std::variant<double, std::string>;

class SezioneCaRettangolare {
public:
    // ---- Data: a new section has every field 0. ------------------------
    double b = 0.0;          // width, mm (the window uses a 1 m strip: 1000)
    double H = 0.0;          // depth, mm
    double h1 = 0.0;         // distance of each steel layer from its near edge, mm
    double Ast = 0.0;        // tension steel, mm2, at depth H - h1
    double A1st = 0.0;       // compression steel, mm2, at depth h1
    double EsSuEc = 0.0;     // modular ratio Es/Ec
    double M = 0.0;          // bending moment about mid-depth, N mm
    double n = 0.0;          // axial force, N, compression positive
    double V = 0.0;          // shear, N
    double AsseNeutro = 0.0; // neutral-axis depth from the compressed edge, mm
    double Aideale = 0.0;    // area of the reacting ideal section, mm2
    double yG = 0.0;         // its centroid depth, mm
    double JG = 0.0;         // its second moment about the centroid, mm4
    double SigmaC = 0.0;     // concrete stress at the compressed edge, MPa, never below 0
    double SigmaS = 0.0;     // tension steel stress, MPa, tension positive
    double TauC = 0.0;       // mean shear stress, MPa
    double SigmaCadm = 0.0;  // concrete stress below which a compressed section needs no steel
    double SigmaSadm = 0.0;  // admissible steel stress, MPa
    std::int16_t ContatoreIllinois = 0;  // iterations of the last converged design
    // Set by Progetto: the section is in tension and the tension resultant
    // does not lie beyond the tension steel, while there is no compression
    // steel. No area of tension steel alone is then in equilibrium, so none
    // is designed (Ast = 0) and the section cannot be taken as verified.
    bool TrazioneNonEquilibrata = false;

    // ---- Check -----------------------------------------------------------
    // Fills AsseNeutro, Aideale, yG, JG, SigmaC, SigmaS, TauC.
    void Verifica();
    // Neutral-axis depth: the root of the equilibrium cubic chosen by the
    // sign of the axial force, limited to the section.
    double AsseNeutroCalcola() const;
    double yG_VSR() const;  // reads AsseNeutro and Aideale
    double JG_VSR() const;  // reads AsseNeutro and yG
    // Mean shear stress V / (0.9 d b), lever arm 0.9 d; it needs no steel.
    double TauCCalcola() const;

    // ---- Design of the tension steel -------------------------------------
    // Finds Ast (signed like M) for which SigmaS equals SigmaSadm; M is
    // restored on every exit. A tension that the tension steel alone cannot
    // carry sets TrazioneNonEquilibrata, Ast = 0 and TauC, without any search
    // and without any message (the caller says it once for all its sections).
    void Progetto();
    // Ast := x, Verifica, and SigmaS - SigmaSadm (> 0: too little steel).
    double FunzDaAzzerare(double x);
    // Illinois variant of the regula falsi on FunzDaAzzerare between x1 and
    // x2; leaves the last iterate in X3 and its value in Y3.
    void Illinois(double& x1, double& y1, double& x2, double& y2, double& X3, double& Y3);

    // ---- Polynomial solvers ----------------------------------------------
    // Root Indice of a x^3 + b x^2 + c x + d = 0. With three real roots,
    // 1 is the largest, 2 the smallest, 3 the middle one; with one real root,
    // 1 is that root and 2, 3 the complex pair by its real part (a box says
    // so, the imaginary part goes to `immaginaria`, negative for 3); at a
    // double root 2 and 3 give the double root. Indice 4, 5, 6 give the
    // reduced cubic's p, q and discriminant. A vanishing leading coefficient
    // shifts the equation down one degree (Indice 3 then gives a text).
    static RadiceEquazione sol_eq3(double a, double b, double c, double d, std::int16_t Indice,
                                   double& immaginaria);
    // Root Indice (1 with +sqrt, any other with -sqrt) of a x^2 + b x + c = 0.
    static RadiceEquazione sol_eq2(double a, double b, double c, std::int16_t Indice);
    // Root of a x + b = 0.
    static RadiceEquazione sol_eq1(double a, double b);
    // Real cube root with the sign of x.
    static double RadCubica(double x);
    // Arc cosine in radians of x in [-1, 1].
    static double ArcCos(double x);

    // The run-time failures the solvers turn into texts, with their numbers.
    enum class Guasto : int { Overflow = 6, DivisionePerZero = 11 };
    // "Errore " followed by the failure's number, a blank and its description.
    static std::string messaggio_di_errore(Guasto guasto);
};

}  // namespace tavo
