// SPDX-License-Identifier: MIT
// A gliding gull, seen obliquely from above; frame k shows it flying toward the screen heading 3k
// degrees (0 right, 90 down). Rendered with an alpha channel and cut onto exact black afterwards.
#version 3.7;
global_settings { assumed_gamma 1.0 }

#declare Elev = 50;                       // camera elevation above the bird's plane, degrees
#declare Theta = radians(3 * frame_number);
#declare Psi = degrees(atan2(-sin(Theta) / sin(radians(Elev)), cos(Theta)));

camera {
  orthographic
  location <0, 0, -10>
  look_at <0, 0, 0>
  right <SpanX, 0, 0>
  up <0, SpanY, 0>
  rotate <Elev, 0, 0>
}

light_source { <-4, 12, -6> color rgb <1.05, 1.03, 1.0> }
light_source { <6, 4, -10> color rgb 0.35 }
light_source { <0, -8, 0> color rgb 0.18 shadowless }

#declare White = texture { pigment { rgb <0.93, 0.93, 0.92> } finish { ambient 0.28 diffuse 0.75 } }
#declare Mantle = texture {
  pigment { gradient z color_map { [0.0 rgb <0.56, 0.60, 0.66>] [0.74 rgb <0.58, 0.62, 0.68>]
                                   [0.78 rgb <0.09, 0.09, 0.1>] [1.0 rgb <0.07, 0.07, 0.08>] } }
  finish { ambient 0.3 diffuse 0.7 }
}

// one wing along +z: the inner part rises from the body, the hand droops and sweeps back
#declare InnerWing = prism { linear_sweep linear_spline -0.014, 0.014, 7,
  <0.12, 0.0>, <0.16, 0.25>, <0.17, 0.44>, <-0.12, 0.47>, <-0.19, 0.25>, <-0.24, 0.0>, <0.12, 0.0> }
#declare OuterWing = prism { linear_sweep linear_spline -0.011, 0.011, 7,
  <0.17, 0.0>, <0.04, 0.30>, <-0.22, 0.55>, <-0.27, 0.53>, <-0.20, 0.30>, <-0.12, 0.02>, <0.17, 0.0> }
#declare Wing = union {
  object { InnerWing texture { Mantle scale <1, 1, 1.0> } rotate <-9, 0, 0> }
  object { OuterWing texture { pigment { gradient z color_map { [0.0 rgb <0.58, 0.62, 0.68>]
                                 [0.42 rgb <0.58, 0.62, 0.68>] [0.5 rgb <0.10, 0.10, 0.11>]
                                 [0.86 rgb <0.08, 0.08, 0.09>] [0.88 rgb <0.9, 0.9, 0.9>]
                                 [0.95 rgb <0.9, 0.9, 0.9>] [0.97 rgb <0.08, 0.08, 0.09>] }
                               scale <1, 1, 0.6> }
                               finish { ambient 0.3 diffuse 0.7 } }
           rotate <7, 0, 0> translate <0, 0.075, 0.46> }
}

#declare Gull = union {
  object { Wing translate <0, 0.02, 0.05> }
  object { Wing scale <1, 1, -1> translate <0, 0.02, -0.05> }
  sphere { 0, 1 scale <0.32, 0.12, 0.14> texture { White } }
  sphere { <0.30, 0.05, 0>, 0.098 texture { White } }
  cone { <0.37, 0.03, 0>, 0.034, <0.51, 0.01, 0>, 0.01 texture { pigment { rgb <1.0, 0.72, 0.08> } finish { ambient 0.45 } } }
  prism { linear_sweep linear_spline -0.01, 0.01, 5, <-0.24, -0.09>, <-0.24, 0.09>, <-0.44, 0.12>, <-0.44, -0.12>, <-0.24, -0.09>
          texture { White } }
  rotate <0, -Psi, 0>
}

object { Gull scale Scale }
