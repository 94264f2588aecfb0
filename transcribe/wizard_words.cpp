#include "transcribe/wizard_words.h"

namespace transcribe {

std::array<std::string, 30> englishStepCaptions() {
    return {
        "Chin - lowest point",
        "Eye - apparent outermost edge (including eyelashes)",
        "Eyebrow - topmost point",
        "Nose - tip, point nearest camera",
        "Leftmost Face edge (excluding ear)",
        "Eye - centre of pupil if centred",
        "Eye - innermost edge",
        "Eyeball - real outermost edge",
        "Eye - lower lid lowest point",
        "Eye - upper lid topmost point",
        "Eyebrow - outermost point",
        "Eyebrow - point below topmost (thickness)",
        "Eyebrow - innermost point",
        "Mouth - topmost point of top lip",
        "Mouth - outermost point",
        "Mouth - lowest point of bottom lip",
        "Nose - lowest point where feltrum meets nose",
        "Nose - highest point of nostril hole",
        "Nose - leftmost point of nostril where meets cheek",
        "Nose - best fit vertical line of brow width",
        "Jawline - between mouth and chin y value",
        "Jawline - between mouth top lip and bottom lip y values",
        "Cheekbone - line of best fit, middle of cheek/blusher",
        "Eyebrow upper inner gradient",
        "Eyebrow upper outer gradient",
        "Nose - where top of outer nostril meets cheek",
        "Nose - top of nostril hole to lowest point of septum",
        "Mouth - top lip line of best fit for most of length",
        "Mouth - bottom lip line of best fit for most of length",
        "Ear - where it joins on to side of head, cheek angle",
    };
}

}  // namespace transcribe
