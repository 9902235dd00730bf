#include "profiles/monitor_profile_tags.h"

#include "icc/icc_numbers.h"
#include "icc/icc_tag_readers.h"
#include "profiles/gamma_from_curve.h"
#include "profiles/profile_description.h"

bool chromaticity_of(const icc_xyz_raw& xyz, double* x, double* y)
{
    double X, Y, Z;
    icc_decode_xyz(xyz.x, xyz.y, xyz.z, &X, &Y, &Z);
    const double s = X + Y + Z;
    if (s == 0.0) return false;
    *x = X / s;
    *y = Y / s;
    return true;
}

namespace {

void apply_xyz(byte_span file, icc_tag_entry tag, double* x, double* y)
{
    icc_xyz_raw raw;
    if (icc_read_xyz(file, tag, &raw)) chromaticity_of(raw, x, y);
}

}  // namespace

void apply_monitor_profile_tags(byte_span file, display_model* model, char* name,
                                int32_t name_size)
{
    icc_for_each_tag(file, [&](const icc_tag_entry& tag, uint32_t type) {
        switch (tag.signature) {
        case icc_tag_red_colorant: apply_xyz(file, tag, &model->xr, &model->yr); break;
        case icc_tag_green_colorant: apply_xyz(file, tag, &model->xg, &model->yg); break;
        case icc_tag_blue_colorant: apply_xyz(file, tag, &model->xb, &model->yb); break;
        case icc_tag_white_point: {
            icc_xyz_raw raw;
            if (icc_read_xyz(file, tag, &raw) && chromaticity_of(raw, &model->xw, &model->yw))
                model->Yw = 1.0;
            break;
        }
        case icc_tag_red_trc: tone_curve_gamma(file, tag, type, &model->rgamma); break;
        case icc_tag_green_trc: tone_curve_gamma(file, tag, type, &model->ggamma); break;
        case icc_tag_blue_trc: tone_curve_gamma(file, tag, type, &model->bgamma); break;
        case icc_tag_desc: read_description_tag(file, tag, type, name, name_size); break;
        default: break;
        }
        return true;
    });
}
