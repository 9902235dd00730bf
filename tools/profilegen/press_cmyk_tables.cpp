#include "press_cmyk_tables.h"

#include <algorithm>
#include <cmath>

#include "colour_space.h"
#include "press_inverse.h"
#include "press_model.h"

namespace {

double unit(cmsUInt16Number v) { return v / 65535.0; }

cmsUInt16Number word(double v)
{
    return cmsUInt16Number(std::lround(std::clamp(v, 0.0, 1.0) * 65535.0));
}

int sample_cmyk_to_lab(const cmsUInt16Number in[], cmsUInt16Number out[], void*)
{
    const xyz_value xyz = press_forward({unit(in[0]), unit(in[1]), unit(in[2]), unit(in[3])});
    const lab_value lab = xyz_to_lab_d50(xyz);
    const cmsCIELab encoded = {lab.l, lab.a, lab.b};
    cmsFloat2LabEncodedV2(out, &encoded);
    return TRUE;
}

int sample_lab_to_cmyk(const cmsUInt16Number in[], cmsUInt16Number out[], void*)
{
    cmsCIELab lab;
    cmsLabEncoded2FloatV2(&lab, in);
    const cmyk_value ink = press_inverse({lab.L, lab.a, lab.b});
    out[0] = word(ink.c);
    out[1] = word(ink.m);
    out[2] = word(ink.y);
    out[3] = word(ink.k);
    return TRUE;
}

cmsPipeline* sampled_pipeline(int grid, int inputs, int outputs, cmsSAMPLER16 sampler)
{
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, cmsUInt32Number(inputs), cmsUInt32Number(outputs));
    cmsStage* clut = cmsStageAllocCLut16bit(nullptr, cmsUInt32Number(grid), cmsUInt32Number(inputs),
                                            cmsUInt32Number(outputs), nullptr);
    if (lut == nullptr || clut == nullptr || !cmsStageSampleCLut16bit(clut, sampler, nullptr, 0) ||
        !cmsPipelineInsertStage(lut, cmsAT_END, clut)) {
        if (clut) cmsStageFree(clut);
        if (lut) cmsPipelineFree(lut);
        return nullptr;
    }
    return lut;
}

}  // namespace

cmsPipeline* press_cmyk_to_lab_pipeline()
{
    return sampled_pipeline(press_forward_grid, 4, 3, sample_cmyk_to_lab);
}

cmsPipeline* press_lab_to_cmyk_pipeline()
{
    return sampled_pipeline(press_inverse_grid, 3, 4, sample_lab_to_cmyk);
}

cmsCIEXYZ press_paper_white()
{
    const xyz_value paper = press_forward({0, 0, 0, 0});
    return {paper.x, paper.y, paper.z};
}
