#version 120

uniform vec3 iResolution; // viewport resolution (in pixels)
uniform float iGlobalTime; // shader playback time (in seconds)
uniform float iChannelTime[7]; // channel playback time (in seconds)
uniform vec3 iChannelResolution[7]; // channel resolution (in pixels)
uniform vec4 iMouse; // mouse pixel coords. xy: current (if MLB down), zw: click
uniform sampler2D iChannel0; // input channel (cube maps are not supported)
uniform sampler2D iChannel1; // input channel (cube maps are not supported)
uniform sampler2D iChannel2; // input channel (cube maps are not supported)
uniform sampler2D iChannel3; // input channel (cube maps are not supported)
uniform sampler2D iChannel4; // input channel (cube maps are not supported)
uniform sampler2D iChannel5; // input channel (cube maps are not supported)
uniform sampler2D iChannel6; // input channel (cube maps are not supported)
uniform sampler2D iChannel7; // input channel (cube maps are not supported)
uniform vec4 iDate; // (year, month, day, time in seconds)
uniform float iSampleRate;
