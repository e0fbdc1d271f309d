#include "patch/PatchResult.h"

namespace patch {

std::string_view message(PatchResult result) {
    switch (result) {
        case PatchResult::Ok:
            return "Done";
        case PatchResult::NotAPatch:
            return "This file is not an IPS or BPS patch";
        case PatchResult::Damaged:
            return "This patch is damaged";
        case PatchResult::WrongSource:
            return "This patch was made for a different ROM";
        case PatchResult::ResultMismatch:
            return "The patched image does not match this patch";
        case PatchResult::TooLargeForIps:
            return "Images over 16 MiB cannot be IPS-patched";
        case PatchResult::TooLarge:
            return "Images over 64 MiB cannot be patched";
        case PatchResult::OutOfMemory:
            return "There is not enough memory for this patch";
    }
    return "This patch is damaged";
}

}  // namespace patch
