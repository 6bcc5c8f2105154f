// The ray-path scene: the full redraw, the live ray, the field's repaint and
// the check boxes that only redraw.
#include "raypath/form1.h"

#include <QCheckBox>

namespace raypath {

using namespace canvas;
using namespace ui;

RayParts Form1::checkedParts() const
{
    RayParts parts;
    parts.refracted = Check3D1->isChecked();
    parts.refractedExtension = Check3D2->isChecked();
    parts.reflected = Check3D3->isChecked();
    parts.reflectedExtension = Check3D4->isChecked();
    parts.normals = Check3D5->isChecked();
    return parts;
}

void Form1::keepRay(const RayConstruction &r)
{
    HitX = r.hitX;
    Slope = r.slope;
    IncidenceAngle = r.incidenceAngle;
    RefractionSine = r.refractionSine;
    if (r.refracted) {
        // Under total reflection the refracted far ends keep their values.
        RefractedAngle = r.refractedAngle;
        RefractedEnd = r.refractedEnd;
        RefractedBackEnd = r.refractedBackEnd;
    }
    ReflectionTurn = r.reflectionTurn;
    ReflectedEnd = r.reflectedEnd;
    ReflectedBackEnd = r.reflectedBackEnd;
    ReflectedGrey = r.reflectedGrey;
}

void Form1::drawRayScene(Surface &s, const RayScenePens &pens)
{
    s.DrawWidth(pens.objectDot);
    s.PSet(ObjectX, ObjectY, s.foreColor());
    s.DrawWidth(pens.interfaceLine);
    s.Line(-pens.interfaceHalfLength, 0, pens.interfaceHalfLength, 0, kBlack);
    s.DrawWidth(pens.rays);

    const RayParts parts = checkedParts();
    const Point p = objectPoint();
    const int count = RayCount;
    for (int i = 1; i <= count; ++i) {
        // While P lies on the interface no fixed ray can be constructed; the
        // rays come back as soon as P leaves it.
        const auto incidence = fixedIncidence(p, RayHitX[i]);
        if (!incidence)
            continue;
        const RayConstruction ray = constructRay(p, *incidence, EffIndex, kFixedReflectedGrey);
        keepRay(ray);
        DrawRayParts(s, p, ray, parts, pens.look);
    }
}

void Form1::RedrawRays()
{
    drawRayScene(surface(), kScreenRayPens);
    RedrawMarkers();
}

void Form1::DrawLiveRay()
{
    const Point p = objectPoint();
    const auto incidence = liveIncidence(p, Point{AimX, AimY});
    if (!incidence)
        return;
    const RayConstruction ray = constructRay(p, *incidence, EffIndex, kLiveReflectedGrey);
    keepRay(ray);
    DrawRayParts(surface(), p, ray, checkedParts());
}

void Form1::Picture1_Paint()
{
    Surface &s = surface();
    s.Line(-1000, 0, 1000, 0, s.foreColor());
    s.DrawWidth(5);
    s.PSet(ObjectX, ObjectY, s.foreColor());
    s.DrawWidth(1);
}

void Form1::redrawScene()
{
    surface().Cls();
    RedrawRays();
}

void Form1::Check3D1_Click() { redrawScene(); }
void Form1::Check3D2_Click() { redrawScene(); }
void Form1::Check3D3_Click() { redrawScene(); }
void Form1::Check3D4_Click() { redrawScene(); }
void Form1::Check3D5_Click() { redrawScene(); }

}  // namespace raypath
